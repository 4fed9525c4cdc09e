// JPEG codec over libjpeg-turbo. libjpeg reports fatal errors through error_exit, which must not
// return; it jumps back to the setjmp of runDecode or runEncode. Between those and libjpeg there
// are only C frames, so the jump skips no destructor; exceptions are raised outside them.
#include "platform/engine/JpegCodec.h"

#include "platform/engine/DataBounds.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/FormatCodes.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/PixPtr.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

namespace scanvo::engine {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are dropped, except a stream that ends early: libjpeg would fill the rest of the page
// with grey and call it a success.
void filterMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        jumpOnError(cinfo);
}

void dropOutput(j_common_ptr) {}

void installErrorManager(ErrorManager* err)
{
    jpeg_std_error(&err->pub);
    err->pub.error_exit = jumpOnError;
    err->pub.emit_message = filterMessage;
    err->pub.output_message = dropOutput;
    err->message[0] = '\0';
}

// Owners of libjpeg's codec objects with their error managers. They are made before setjmp and
// live in the frame that holds it, so a jump back lands with them intact and their destructors
// release libjpeg's memory on every path. A zeroed object that was never created destroys safely.
struct Decompressor {
    jpeg_decompress_struct cinfo {};
    ErrorManager err {};
    Decompressor()
    {
        installErrorManager(&err);
        cinfo.err = &err.pub;
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

struct Compressor {
    jpeg_compress_struct cinfo {};
    ErrorManager err {};
    Compressor()
    {
        installErrorManager(&err);
        cinfo.err = &err.pub;
    }
    ~Compressor() { jpeg_destroy_compress(&cinfo); }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

struct DecodeState {
    const unsigned char* data = nullptr;
    unsigned long size = 0;
    bool headerOnly = false;
    // results
    int width = 0;
    int height = 0;
    int components = 0;
    int chromaSamples = 1;
    int xDpi = 0;
    int yDpi = 0;
    bool fillable = true;
    bool arithmetic = false;
    bool cmyk = false;
    Pix* pix = nullptr;         // owned by the caller once set
    unsigned char* row = nullptr;  // CMYK row buffer, freed by the caller
    char message[JMSG_LENGTH_MAX] = {};
};

void readDensity(const jpeg_decompress_struct& cinfo, DecodeState* state)
{
    if (cinfo.density_unit == 1) {
        state->xDpi = cinfo.X_density;
        state->yDpi = cinfo.Y_density;
    } else if (cinfo.density_unit == 2) {
        state->xDpi = static_cast<int>(cinfo.X_density * 2.54 + 0.5);
        state->yDpi = static_cast<int>(cinfo.Y_density * 2.54 + 0.5);
    }
}

// CMYK as Adobe writes it (inverted) or plain, to RGB.
void cmykRowToPix(const unsigned char* row, l_uint32* line, int width, bool inverted)
{
    for (int x = 0; x < width; ++x) {
        int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        composeRGBPixel(c * k / 255, m * k / 255, y * k / 255, &line[x]);
    }
}

// False when the entropy-coded data of a Huffman-coded stream is too short for the frame it
// declares: every 8 x 8 block of every component takes one bit at least, two in a sequential
// stream (its DC difference and the end of its AC coefficients). Arithmetic coding has no such
// floor: a block can cost a tiny fraction of a bit, and a stream may stop early, the decoder then
// supplying zero data to the end of the frame. It gets the wide limit of the other codings
// without one.
bool streamCanFill(const jpeg_decompress_struct& cinfo, unsigned long size)
{
    if (cinfo.arith_code) {
        const std::uint64_t decoded = std::uint64_t(cinfo.image_width) * cinfo.image_height * std::max(cinfo.num_components, 1);
        return UnboundedCodingCanFill(decoded, size);
    }
    std::uint64_t bits = 0;
    for (int c = 0; c < cinfo.num_components; ++c)
        bits += std::uint64_t(cinfo.comp_info[c].width_in_blocks) * cinfo.comp_info[c].height_in_blocks;
    if (!cinfo.progressive_mode)
        bits *= 2;
    return bits <= std::uint64_t(size) * 8;
}

// Working memory libjpeg may take beside the image: a progressive stream keeps every coefficient of
// the image, about twice its pixels' bytes, which the data of a real photograph bounds well within this.
long decoderMemoryLimit(unsigned long size)
{
    constexpr long kFloor = 256L << 20;
    return std::max<long>(kFloor, static_cast<long>(std::min<unsigned long>(size, 1UL << 30)) * 64);
}

// Returns false with state->message set on any libjpeg error.
bool runDecode(DecodeState* state)
{
    Decompressor codec;
    jpeg_decompress_struct& cinfo = codec.cinfo;
    if (setjmp(codec.err.jump)) {
        std::memcpy(state->message, codec.err.message, sizeof state->message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = decoderMemoryLimit(state->size);
    jpeg_mem_src(&cinfo, state->data, state->size);
    jpeg_read_header(&cinfo, TRUE);
    state->fillable = streamCanFill(cinfo, state->size);
    state->width = static_cast<int>(cinfo.image_width);
    state->height = static_cast<int>(cinfo.image_height);
    state->components = cinfo.num_components;
    state->arithmetic = cinfo.arith_code;
    state->cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    if (cinfo.num_components == 3) {
        const jpeg_component_info& luma = cinfo.comp_info[0];
        const jpeg_component_info& chroma = cinfo.comp_info[1];
        state->chromaSamples =
            (luma.h_samp_factor * luma.v_samp_factor) / std::max(1, chroma.h_samp_factor * chroma.v_samp_factor);
    }
    readDensity(cinfo, state);
    if (state->headerOnly)
        return true;

    const bool grey = cinfo.num_components == 1;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = grey ? JCS_GRAYSCALE : (cmyk ? JCS_CMYK : JCS_RGB);
    jpeg_start_decompress(&cinfo);
    const int width = static_cast<int>(cinfo.output_width);
    const int height = static_cast<int>(cinfo.output_height);
    // Grey rows go straight into an 8-bit PIX and RGB rows into a 24-bit one (bytes R, G, B).
    state->pix = pixCreate(width, height, grey ? 8 : (cmyk ? 32 : 24));
    if (!state->pix)
        ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);
    if (cmyk) {
        state->row = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(width) * 4));
        if (!state->row)
            ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);
    }
    l_uint32* data = pixGetData(state->pix);
    const int wpl = pixGetWpl(state->pix);
    while (cinfo.output_scanline < cinfo.output_height) {
        l_uint32* line = data + static_cast<long>(cinfo.output_scanline) * wpl;
        JSAMPROW target = cmyk ? state->row : reinterpret_cast<JSAMPROW>(line);
        jpeg_read_scanlines(&cinfo, &target, 1);
        if (cmyk)
            cmykRowToPix(state->row, line, width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

struct EncodeState {
    Pix* rows = nullptr;  // 8 bpp in byte order, or 24 bpp
    int components = 1;
    int chromaDivisor = 1;
    int quality = 75;
    int xDpi = 0;
    int yDpi = 0;
    unsigned char* out = nullptr;  // malloc'ed by libjpeg, freed by the caller
    unsigned long outSize = 0;
    char message[JMSG_LENGTH_MAX] = {};
};

bool runEncode(EncodeState* state)
{
    Compressor codec;
    jpeg_compress_struct& cinfo = codec.cinfo;
    if (setjmp(codec.err.jump)) {
        std::memcpy(state->message, codec.err.message, sizeof state->message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &state->out, &state->outSize);
    cinfo.image_width = static_cast<JDIMENSION>(pixGetWidth(state->rows));
    cinfo.image_height = static_cast<JDIMENSION>(pixGetHeight(state->rows));
    cinfo.input_components = state->components;
    cinfo.in_color_space = state->components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, state->quality, TRUE);
    cinfo.optimize_coding = TRUE;
    if (state->components == 3) {
        cinfo.comp_info[0].h_samp_factor = state->chromaDivisor;
        cinfo.comp_info[0].v_samp_factor = 1;
        for (int c = 1; c < 3; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
    }
    if (state->xDpi > 0 && state->yDpi > 0) {
        cinfo.write_JFIF_header = TRUE;
        cinfo.density_unit = 1;
        cinfo.X_density = static_cast<UINT16>(std::min(state->xDpi, 65535));
        cinfo.Y_density = static_cast<UINT16>(std::min(state->yDpi, 65535));
    }
    jpeg_start_compress(&cinfo, TRUE);
    l_uint32* data = pixGetData(state->rows);
    const int wpl = pixGetWpl(state->rows);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(data + static_cast<long>(cinfo.next_scanline) * wpl);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

struct JoinState {
    const std::vector<QByteArray>* bands = nullptr;
    int width = 0;
    int height = 0;
    bool mismatch = false;         // the bands do not make one image
    unsigned char* out = nullptr;  // malloc'ed by libjpeg, freed by the caller
    unsigned long outSize = 0;
    char message[JMSG_LENGTH_MAX] = {};
};

bool sameCoding(const jpeg_decompress_struct& a, const jpeg_decompress_struct& b)
{
    if (a.image_width != b.image_width || a.num_components != b.num_components || a.progressive_mode != b.progressive_mode)
        return false;
    for (int c = 0; c < a.num_components; ++c) {
        const jpeg_component_info& x = a.comp_info[c];
        const jpeg_component_info& y = b.comp_info[c];
        if (x.h_samp_factor != y.h_samp_factor || x.v_samp_factor != y.v_samp_factor || !x.quant_table || !y.quant_table
            || std::memcmp(x.quant_table->quantval, y.quant_table->quantval, sizeof x.quant_table->quantval) != 0)
            return false;
    }
    return true;
}

// Every band reports through the writer's error manager, so one setjmp covers them all; the
// decompressors live in this frame and are destroyed on every path.
bool runJoin(JoinState* state)
{
    const std::vector<QByteArray>& bands = *state->bands;
    Compressor codec;
    jpeg_compress_struct& out = codec.cinfo;
    std::unique_ptr<Decompressor[]> readers(new Decompressor[bands.size()]);
    if (setjmp(codec.err.jump)) {
        std::memcpy(state->message, codec.err.message, sizeof state->message);
        return false;
    }
    jpeg_create_compress(&out);
    jpeg_mem_dest(&out, &state->out, &state->outSize);
    unsigned long total = 0;
    for (const QByteArray& band : bands)
        total += static_cast<unsigned long>(band.size());
    out.mem->max_memory_to_use = decoderMemoryLimit(total);
    jvirt_barray_ptr target[MAX_COMPONENTS] = {};
    int maxH = 1, maxV = 1;
    long rowsDone = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        jpeg_decompress_struct& band = readers[i].cinfo;
        band.err = &codec.err.pub;
        jpeg_create_decompress(&band);
        jpeg_mem_src(&band, reinterpret_cast<const unsigned char*>(bands[i].constData()), static_cast<unsigned long>(bands[i].size()));
        band.mem->max_memory_to_use = decoderMemoryLimit(static_cast<unsigned long>(bands[i].size()));
        jpeg_read_header(&band, TRUE);
        // A band is refused before its coefficients are allocated when it does not fit the page
        // or its data could not fill the frame it declares.
        if (int(band.image_width) != state->width || rowsDone + long(band.image_height) > state->height ||
            !streamCanFill(band, static_cast<unsigned long>(bands[i].size()))) {
            state->mismatch = true;
            return false;
        }
        jvirt_barray_ptr* source = jpeg_read_coefficients(&band);
        if (i == 0) {
            jpeg_copy_critical_parameters(&band, &out);
            out.image_height = static_cast<JDIMENSION>(state->height);
            out.optimize_coding = TRUE;
            for (int c = 0; c < out.num_components; ++c) {
                maxH = std::max(maxH, out.comp_info[c].h_samp_factor);
                maxV = std::max(maxV, out.comp_info[c].v_samp_factor);
            }
            for (int c = 0; c < out.num_components; ++c) {
                const jpeg_component_info& comp = out.comp_info[c];
                const long wide = (long(state->width) * comp.h_samp_factor + maxH * DCTSIZE - 1) / (maxH * DCTSIZE);
                const long high = (long(state->height) * comp.v_samp_factor + maxV * DCTSIZE - 1) / (maxV * DCTSIZE);
                // Rounded up to whole MCUs, which the writer reads a row of at a time.
                target[c] = (*out.mem->request_virt_barray)(
                    reinterpret_cast<j_common_ptr>(&out), JPOOL_IMAGE, TRUE,
                    JDIMENSION((wide + comp.h_samp_factor - 1) / comp.h_samp_factor * comp.h_samp_factor),
                    JDIMENSION((high + comp.v_samp_factor - 1) / comp.v_samp_factor * comp.v_samp_factor),
                    JDIMENSION(comp.v_samp_factor));
            }
            jpeg_write_coefficients(&out, target);
        }
        if (int(band.image_width) != state->width || !sameCoding(readers[0].cinfo, band)
            || rowsDone % (maxV * DCTSIZE) != 0 || rowsDone + long(band.image_height) > state->height) {
            state->mismatch = true;
            return false;
        }
        for (int c = 0; c < band.num_components; ++c) {
            const jpeg_component_info& comp = band.comp_info[c];
            const JDIMENSION firstRow = JDIMENSION(rowsDone / (maxV * DCTSIZE) * comp.v_samp_factor);
            for (JDIMENSION row = 0; row < comp.height_in_blocks; ++row) {
                JBLOCKARRAY from = (*band.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&band), source[c], row, 1, FALSE);
                JBLOCKARRAY to = (*out.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&out), target[c], firstRow + row, 1, TRUE);
                std::memcpy(to[0], from[0], comp.width_in_blocks * sizeof(JBLOCK));
            }
        }
        rowsDone += long(band.image_height);
    }
    if (rowsDone != state->height) {
        state->mismatch = true;
        return false;
    }
    jpeg_finish_compress(&out);
    return true;
}

DecodeState decodeState(const QByteArray& bytes, bool headerOnly)
{
    DecodeState state;
    state.data = reinterpret_cast<const unsigned char*>(bytes.constData());
    state.size = static_cast<unsigned long>(bytes.size());
    state.headerOnly = headerOnly;
    return state;
}

}  // namespace

QByteArray JoinJpegBands(const std::vector<QByteArray>& bands, int width, int height, const QString& path)
{
    if (bands.empty() || width <= 0 || height <= 0)
        throw EngineError(ErrInvalidArgument, msg::noImage());
    CheckPageSize(width, height, 24);
    JoinState state;
    state.bands = &bands;
    state.width = width;
    state.height = height;
    const bool ok = runJoin(&state);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(state.out), static_cast<qsizetype>(state.outSize));
    std::free(state.out);
    if (state.mismatch)
        throw EngineError(ErrUnsupported, msg::unsupportedPage(path, QStringLiteral("JPEG")));
    if (!ok)
        throw EngineError(ErrFileRead, msg::corruptFile(path, QString::fromLocal8Bit(state.message)));
    return bytes;
}

JpegHeader ReadJpegHeader(const QByteArray& bytes, const QString& path)
{
    DecodeState state = decodeState(bytes, true);
    if (!runDecode(&state))
        throw EngineError(ErrFileRead, msg::corruptFile(path, QString::fromLocal8Bit(state.message)));
    JpegHeader header;
    header.width = state.width;
    header.height = state.height;
    header.components = state.components;
    header.format = FormatOfJpeg(Container::Jpeg, state.chromaSamples);
    header.fillable = state.fillable;
    header.xDpi = state.xDpi;
    header.yDpi = state.yDpi;
    header.arithmetic = state.arithmetic;
    header.cmyk = state.cmyk;
    return header;
}

Image DecodeJpeg(const QByteArray& bytes, const QString& path)
{
    const JpegHeader header = ReadJpegHeader(bytes, path);
    CheckPageSize(header.width, header.height, header.components == 1 ? 8 : 24);
    if (!header.fillable)
        throw EngineError(ErrFileRead, msg::corruptFile(path, msg::dataCannotFillImage()));
    DecodeState state = decodeState(bytes, false);
    const bool ok = runDecode(&state);
    PixPtr pix(state.pix);
    std::free(state.row);
    if (!ok)
        throw EngineError(ErrFileRead, msg::corruptFile(path, QString::fromLocal8Bit(state.message)));
    if (pixGetDepth(pix.get()) == 24) {
        pix.reset(pixConvert24To32(pix.get()));
        if (!pix)
            throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    } else if (pixGetDepth(pix.get()) == 8) {
        pixEndianByteSwap(pix.get());  // decoded in byte order; Leptonica keeps native words
    }
    pixSetResolution(pix.get(), state.xDpi, state.yDpi);
    return Image::adopt(pix.release(), header.format);
}

QByteArray EncodeJpeg(const Image& image, int format, int qualityFactor)
{
    const FormatInfo* info = FindFormat(format);
    if (!info || info->container != Container::Jpeg)
        throw EngineError(ErrUnsupported, msg::unknownFormatCode(format));
    if (image.isNull())
        throw EngineError(ErrInvalidArgument, msg::noImage());
    if (image.depth() == 1 || image.hasPalette())
        throw EngineError(ErrUnsupported, msg::unsupportedBits(image.depth()));
    Pix* pix = image.pix();
    PixPtr rows(pixGetDepth(pix) == 32 ? pixConvert32To24(pix) : pixEndianByteSwapNew(pix));
    if (!rows)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    EncodeState state;
    state.rows = rows.get();
    state.components = image.depth() == 24 ? 3 : 1;
    state.chromaDivisor = info->chromaDivisor;
    state.quality = JpegQualityForFactor(qualityFactor);
    state.xDpi = image.xResolution();
    state.yDpi = image.yResolution();
    const bool ok = runEncode(&state);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(state.out), static_cast<qsizetype>(state.outSize));
    std::free(state.out);
    if (!ok)
        throw EngineError(ErrOperation, msg::encodeFailed(QString::fromLocal8Bit(state.message)));
    return bytes;
}

}  // namespace scanvo::engine
