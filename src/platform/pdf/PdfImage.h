#pragma once
// PdfImage: one page as the image stream a PDF page shows: its coded data, the filter that decodes
// it and what the decoded samples are. A page keeps its stored coding where PDF decodes it: a
// one-strip CCITT G4 TIFF page its fax data, a JPEG file its bytes, a JPEG-in-TIFF page its strips'
// coefficients joined into one stream. Every other page is decoded and coded again without loss:
// bitonal pages as G4 (a fax stream cannot continue across strips coded apart), grey, palette and
// colour pages with Flate.

#include "platform/pdf/PdfExport.h"

#include <QByteArray>

struct Pix;

namespace scanvo::pdf {

struct PdfImage {
    enum class Coding { Fax, Dct, Flate };
    enum class Colours { Grey, Rgb, Indexed };
    Coding coding = Coding::Flate;
    Colours colours = Colours::Grey;
    int width = 0;
    int height = 0;
    int bitsPerComponent = 8;
    int components = 1;           // samples per pixel of Flate data
    double xDpi = 300;
    double yDpi = 300;
    bool invert = false;          // decoded 1 is black: the image gets the Decode array [1 0]
    bool rgbJpeg = false;         // DCT data whose three components are RGB, not YCbCr
    int flatePredictor = 0;       // PNG predictor of Flate data (0: none)
    QByteArray palette;           // Indexed: RGB triples
    QByteArray data;              // the coded samples
};

// The page's image stream. Throws engine::EngineError naming the file and page when the page
// cannot be read.
PdfImage StoredPageImage(const PdfPageRef& page);
// The image stream of an already decoded page (1, 8 or 32 bpp), coded without loss.
PdfImage EncodedPageImage(Pix* pix);

}  // namespace scanvo::pdf
