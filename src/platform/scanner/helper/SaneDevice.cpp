#include "platform/scanner/helper/SaneDevice.h"

#include "platform/scanner/ResultCode.h"
#include "platform/scanner/helper/SaneStatus.h"

#include <QDeadlineTimer>
#include <QFile>

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

namespace scanvo::scanner {

namespace {

constexpr int kReadChunk = 64 * 1024;
// How long the end of a broken-off frame reads on, and how long after its start it may be cancelled.
constexpr int kDrainMs = 500;
constexpr int kStartSettleMs = 100;
// How long the last byte of a frame waits for the backend's reading thread to leave.
constexpr int kReaderExitMs = 100;

// Threads of this process now, or 0 when that cannot be told.
int ThreadCount()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.read(4096);
    // The command name in parentheses may hold blanks; the fields after it are plain.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kThreadsField = 17;  // num_threads, the 20th field of the whole line
    return fields.size() > kThreadsField ? fields.at(kThreadsField).toInt() : 0;
}

SANE_Handle Handle(void* handle)
{
    return static_cast<SANE_Handle>(handle);
}

OptionType TypeOf(SANE_Value_Type type)
{
    switch (type) {
    case SANE_TYPE_BOOL:
        return OptionType::Bool;
    case SANE_TYPE_INT:
        return OptionType::Int;
    case SANE_TYPE_FIXED:
        return OptionType::Fixed;
    case SANE_TYPE_STRING:
        return OptionType::String;
    case SANE_TYPE_BUTTON:
        return OptionType::Button;
    case SANE_TYPE_GROUP:
        break;
    }
    return OptionType::Group;
}

OptionUnit UnitOf(SANE_Unit unit)
{
    switch (unit) {
    case SANE_UNIT_PIXEL:
        return OptionUnit::Pixel;
    case SANE_UNIT_BIT:
        return OptionUnit::Bit;
    case SANE_UNIT_MM:
        return OptionUnit::Mm;
    case SANE_UNIT_DPI:
        return OptionUnit::Dpi;
    case SANE_UNIT_PERCENT:
        return OptionUnit::Percent;
    case SANE_UNIT_MICROSECOND:
        return OptionUnit::Microsecond;
    case SANE_UNIT_NONE:
        break;
    }
    return OptionUnit::None;
}

double NumberOf(SANE_Word word, OptionType type)
{
    return type == OptionType::Fixed ? SANE_UNFIX(word) : double(word);
}

QString Text(SANE_String_Const text)
{
    return text ? QString::fromUtf8(text) : QString();
}

FrameKind KindOf(SANE_Frame format)
{
    switch (format) {
    case SANE_FRAME_RGB:
        return FrameKind::Rgb;
    case SANE_FRAME_RED:
        return FrameKind::Red;
    case SANE_FRAME_GREEN:
        return FrameKind::Green;
    case SANE_FRAME_BLUE:
        return FrameKind::Blue;
    case SANE_FRAME_GRAY:
        break;
    }
    return FrameKind::Grey;
}

DeviceOption Describe(const SANE_Option_Descriptor& d)
{
    DeviceOption option;
    option.name = Text(d.name);
    option.title = Text(d.title);
    option.description = Text(d.desc);
    option.type = TypeOf(d.type);
    option.unit = UnitOf(d.unit);
    option.active = SANE_OPTION_IS_ACTIVE(d.cap);
    option.settable = SANE_OPTION_IS_SETTABLE(d.cap);
    option.advanced = (d.cap & SANE_CAP_ADVANCED) != 0;
    const bool wordSized = option.type == OptionType::Bool || option.isNumeric();
    option.valueCount = wordSized && d.size > 0 ? int(d.size / sizeof(SANE_Word)) : 1;

    switch (d.constraint_type) {
    case SANE_CONSTRAINT_RANGE:
        if (d.constraint.range && option.isNumeric()) {
            option.constraint = OptionConstraint::Range;
            option.min = NumberOf(d.constraint.range->min, option.type);
            option.max = NumberOf(d.constraint.range->max, option.type);
            option.quant = NumberOf(d.constraint.range->quant, option.type);
        }
        break;
    case SANE_CONSTRAINT_WORD_LIST:
        if (d.constraint.word_list && option.isNumeric()) {
            option.constraint = OptionConstraint::WordList;
            const SANE_Int count = d.constraint.word_list[0];
            for (SANE_Int i = 1; i <= count; ++i)
                option.words.append(NumberOf(d.constraint.word_list[i], option.type));
        }
        break;
    case SANE_CONSTRAINT_STRING_LIST:
        if (d.constraint.string_list && option.type == OptionType::String) {
            option.constraint = OptionConstraint::StringList;
            for (const SANE_String_Const* s = d.constraint.string_list; *s; ++s)
                option.strings.append(Text(*s));
        }
        break;
    case SANE_CONSTRAINT_NONE:
        break;
    }
    return option;
}

}  // namespace

std::unique_ptr<SaneDevice> SaneDevice::open(const QString& name, int* result)
{
    SANE_Handle handle = nullptr;
    const SANE_Status status = sane_open(name.toUtf8().constData(), &handle);
    if (status != SANE_STATUS_GOOD || !handle) {
        *result = status == SANE_STATUS_GOOD ? ResultDeviceError : ResultFromSaneStatus(status);
        return nullptr;
    }
    *result = ResultSuccess;
    return std::unique_ptr<SaneDevice>(new SaneDevice(handle));
}

SaneDevice::SaneDevice(void* handle) : m_handle(handle) {}

SaneDevice::~SaneDevice()
{
    endScan();
    sane_close(Handle(m_handle));
}

QList<DeviceOption> SaneDevice::options()
{
    QList<DeviceOption> options;
    SANE_Int count = 0;
    if (sane_control_option(Handle(m_handle), 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return options;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(Handle(m_handle), i);
        if (!d)
            continue;
        DeviceOption option = Describe(*d);
        const bool readable = option.active && (d->cap & SANE_CAP_SOFT_DETECT) && option.valueCount == 1 &&
                              option.type != OptionType::Button && option.type != OptionType::Group && d->size > 0;
        if (readable) {
            QByteArray buffer(d->size + 1, '\0');
            if (sane_control_option(Handle(m_handle), i, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) ==
                SANE_STATUS_GOOD) {
                SANE_Word word = 0;
                if (option.type != OptionType::String)
                    std::memcpy(&word, buffer.constData(), sizeof word);
                if (option.type == OptionType::Bool)
                    option.value = word != SANE_FALSE;
                else if (option.isNumeric())
                    option.value = NumberOf(word, option.type);
                else
                    option.value = QString::fromUtf8(buffer.constData());
            }
        }
        options.append(option);
    }
    return options;
}

int SaneDevice::setOption(const QString& name, const QVariant& value, bool* reloadOptions)
{
    if (reloadOptions)
        *reloadOptions = false;
    SANE_Int count = 0;
    if (sane_control_option(Handle(m_handle), 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return ResultDeviceError;
    const QByteArray wanted = name.toUtf8();
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(Handle(m_handle), i);
        if (!d || !d->name || wanted != d->name)
            continue;
        if (!SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap) || d->size <= 0)
            return ResultCapUnsupported;

        QByteArray buffer(d->size, '\0');
        switch (d->type) {
        case SANE_TYPE_BOOL: {
            const SANE_Word word = value.toBool() ? SANE_TRUE : SANE_FALSE;
            std::memcpy(buffer.data(), &word, sizeof word);
            break;
        }
        case SANE_TYPE_INT: {
            const SANE_Word word = SANE_Word(std::lround(value.toDouble()));
            std::memcpy(buffer.data(), &word, sizeof word);
            break;
        }
        case SANE_TYPE_FIXED: {
            const SANE_Word word = SANE_FIX(value.toDouble());
            std::memcpy(buffer.data(), &word, sizeof word);
            break;
        }
        case SANE_TYPE_STRING: {
            const QByteArray text = value.toString().toUtf8();
            if (text.size() >= d->size)
                return ResultBadValue;
            std::memcpy(buffer.data(), text.constData(), text.size());
            break;
        }
        case SANE_TYPE_BUTTON:
        case SANE_TYPE_GROUP:
            return ResultCapUnsupported;
        }
        SANE_Int info = 0;
        const SANE_Status status = sane_control_option(Handle(m_handle), i, SANE_ACTION_SET_VALUE, buffer.data(), &info);
        if (status != SANE_STATUS_GOOD)
            return ResultFromSaneStatus(status);
        if (reloadOptions)
            *reloadOptions = (info & SANE_INFO_RELOAD_OPTIONS) != 0;
        return (info & SANE_INFO_INEXACT) ? ResultValueAdjusted : ResultSuccess;
    }
    return ResultCapUnsupported;
}

int SaneDevice::startFrame(helper::FrameGeometry* geometry)
{
    m_inScan = true;
    m_threadsBeforeStart = ThreadCount();
    m_frameLeft = -1;
    SANE_Status status = sane_start(Handle(m_handle));
    if (status != SANE_STATUS_GOOD)
        return ResultFromSaneStatus(status);
    m_frameOpen = true;
    m_frameStarted.start();
    SANE_Parameters parameters{};
    status = sane_get_parameters(Handle(m_handle), &parameters);
    if (status != SANE_STATUS_GOOD)
        return ResultFromSaneStatus(status);
    geometry->kind = KindOf(parameters.format);
    geometry->depth = parameters.depth;
    geometry->pixelsPerLine = parameters.pixels_per_line;
    geometry->bytesPerLine = parameters.bytes_per_line;
    geometry->lines = parameters.lines;
    geometry->lastFrame = parameters.last_frame != SANE_FALSE;
    if (parameters.lines > 0 && parameters.bytes_per_line > 0)
        m_frameLeft = qint64(parameters.lines) * parameters.bytes_per_line;
    return ResultSuccess;
}

int SaneDevice::read(char* buffer, int capacity, int* length, bool* end)
{
    *length = 0;
    *end = false;
    // The frame's last byte is held back until the backend's reading thread, done with writing,
    // has left: backends end that thread by cancelling it when the last byte is read, and a
    // cancel that lands while the thread is on its way out can deadlock.
    if (m_frameLeft > 1)
        capacity = int(qMin<qint64>(capacity, m_frameLeft - 1));
    else if (m_frameLeft == 1)
        awaitReaderExit();
    SANE_Int got = 0;
    const SANE_Status status = sane_read(Handle(m_handle), reinterpret_cast<SANE_Byte*>(buffer), capacity, &got);
    if (status == SANE_STATUS_EOF) {
        m_frameOpen = false;
        *end = true;
        return ResultSuccess;
    }
    if (status != SANE_STATUS_GOOD)
        return ResultFromSaneStatus(status);
    *length = got;
    if (m_frameLeft > 0)
        m_frameLeft = qMax<qint64>(m_frameLeft - got, 0);
    return ResultSuccess;
}

void SaneDevice::awaitReaderExit()
{
    if (m_threadsLinger)
        return;
    const QDeadlineTimer deadline(kReaderExitMs);
    while (ThreadCount() > m_threadsBeforeStart) {
        if (deadline.hasExpired()) {
            m_threadsLinger = true;  // this backend keeps its threads: no use waiting for them again
            return;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void SaneDevice::endScan()
{
    if (!m_inScan)
        return;
    if (m_frameOpen) {
        // A frame left before its end of data: take what the device still sends, and do not cancel
        // a backend that may still be setting up its reading after the start. Backends that cancel
        // their reader thread asynchronously can deadlock when the cancel lands in that set-up.
        QByteArray rest(kReadChunk, Qt::Uninitialized);
        QDeadlineTimer drain(kDrainMs);
        SANE_Int got = 0;
        while (!drain.hasExpired() &&
               sane_read(Handle(m_handle), reinterpret_cast<SANE_Byte*>(rest.data()), kReadChunk, &got) ==
                   SANE_STATUS_GOOD) {
        }
        const qint64 settle = kStartSettleMs - m_frameStarted.elapsed();
        if (settle > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(settle));
    }
    sane_cancel(Handle(m_handle));
    m_inScan = false;
    m_frameOpen = false;
}

}  // namespace scanvo::scanner
