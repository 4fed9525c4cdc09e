// The helper protocol on a socket pair in one process: whole messages with their descriptors,
// option lists that keep every field, the three ways a read fails, and a frame buffer that is
// never read past its end.
#include "platform/scanner/HelperProtocol.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <thread>

using namespace scanvo::scanner;
using namespace scanvo::scanner::helper;

namespace {

class SocketPair : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0); }
    void TearDown() override
    {
        for (int fd : fds)
            if (fd >= 0)
                close(fd);
    }
    void closeSender()
    {
        close(fds[0]);
        fds[0] = -1;
    }

    int fds[2] = {-1, -1};
};

TEST_F(SocketPair, MessagesArriveWholeAndInOrderWithTheirDescriptors)
{
    MessageSocket helperEnd(fds[0]);
    MessageSocket sourceEnd(fds[1]);
    FrameBufferWriter first;
    FrameBufferWriter second;
    ASSERT_TRUE(first.reserve(100));
    const QByteArray big(3 << 20, 'x');  // more than the socket holds: the sender waits for the reader
    std::thread sender([&] {
        EXPECT_EQ(helperEnd.send(MessageType::Hello, Pack(QByteArray(kGreeting), kProtocolVersion),
                                 QDeadlineTimer(10'000), {first.fd(), second.fd()}),
                  IoStatus::Ok);
        EXPECT_EQ(helperEnd.send(MessageType::Options, big, QDeadlineTimer(10'000)), IoStatus::Ok);
        EXPECT_EQ(helperEnd.send(MessageType::ScanEnded, {}, QDeadlineTimer(10'000)), IoStatus::Ok);
    });

    Message message;
    QList<int> received;
    ASSERT_EQ(sourceEnd.receive(&message, QDeadlineTimer(10'000), &received), IoStatus::Ok);
    EXPECT_EQ(message.type, MessageType::Hello);
    QByteArray greeting;
    quint32 version = 0;
    ASSERT_TRUE(Unpack(message.payload, greeting, version));
    EXPECT_EQ(greeting, QByteArray(kGreeting));
    EXPECT_EQ(version, kProtocolVersion);
    ASSERT_EQ(received.size(), 2);
    // They are this process's own descriptors of the same files.
    struct stat mine {}, theirs {};
    ASSERT_EQ(fstat(received[0], &mine), 0);
    ASSERT_EQ(fstat(first.fd(), &theirs), 0);
    EXPECT_EQ(mine.st_ino, theirs.st_ino);
    EXPECT_NE(received[0], first.fd());

    ASSERT_EQ(sourceEnd.receive(&message, QDeadlineTimer(10'000)), IoStatus::Ok);
    EXPECT_EQ(message.type, MessageType::Options);
    EXPECT_EQ(message.payload, big);
    ASSERT_EQ(sourceEnd.receive(&message, QDeadlineTimer(10'000)), IoStatus::Ok);
    EXPECT_EQ(message.type, MessageType::ScanEnded);
    EXPECT_TRUE(message.payload.isEmpty());
    sender.join();
    for (int fd : received)
        close(fd);
}

TEST(HelperProtocolTest, OptionDescriptorsKeepEveryField)
{
    DeviceOption range;
    range.name = QStringLiteral("resolution");
    range.title = QStringLiteral("扫描分辨率");
    range.description = QStringLiteral("dots per inch");
    range.type = OptionType::Fixed;
    range.constraint = OptionConstraint::Range;
    range.unit = OptionUnit::Dpi;
    range.min = 1.5;
    range.max = 600;
    range.quant = 0.5;
    range.advanced = true;
    range.value = 300.25;
    DeviceOption list;
    list.name = QStringLiteral("mode");
    list.type = OptionType::String;
    list.constraint = OptionConstraint::StringList;
    list.strings = {QStringLiteral("Gray"), QStringLiteral("Color")};
    list.value = QStringLiteral("Color");
    list.settable = false;
    DeviceOption words;
    words.name = QStringLiteral("depth");
    words.constraint = OptionConstraint::WordList;
    words.words = {1, 8, 16};
    words.valueCount = 3;
    words.active = false;  // unreadable: no value
    DeviceOption flag;
    flag.name = QStringLiteral("preview");
    flag.type = OptionType::Bool;
    flag.value = true;

    const QList<DeviceOption> sent{range, list, words, flag};
    QList<DeviceOption> back;
    ASSERT_TRUE(Unpack(Pack(sent), back));
    ASSERT_EQ(back.size(), sent.size());
    for (qsizetype i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(sent[i].name.toStdString());
        const DeviceOption& a = sent[i];
        const DeviceOption& b = back[i];
        EXPECT_EQ(b.name, a.name);
        EXPECT_EQ(b.title, a.title);
        EXPECT_EQ(b.description, a.description);
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.constraint, a.constraint);
        EXPECT_EQ(b.unit, a.unit);
        EXPECT_EQ(b.valueCount, a.valueCount);
        EXPECT_EQ(b.active, a.active);
        EXPECT_EQ(b.settable, a.settable);
        EXPECT_EQ(b.advanced, a.advanced);
        EXPECT_EQ(b.min, a.min);
        EXPECT_EQ(b.max, a.max);
        EXPECT_EQ(b.quant, a.quant);
        EXPECT_EQ(b.words, a.words);
        EXPECT_EQ(b.strings, a.strings);
        EXPECT_EQ(b.value, a.value);
        EXPECT_EQ(b.value.isValid(), a.value.isValid());
    }
    // A payload cut short does not unpack.
    EXPECT_FALSE(Unpack(Pack(sent).chopped(3), back));
}

TEST_F(SocketPair, ReadsEndInTimeWhenThePeerIsSilentGoneOrTalksNonsense)
{
    MessageSocket sourceEnd(fds[1]);
    Message message;

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(sourceEnd.receive(&message, QDeadlineTimer(200)), IoStatus::TimedOut);
    EXPECT_GE(timer.elapsed(), 150);

    // A header whose length no message has.
    const MessageHeader huge{quint32(MessageType::Options), kMaxPayload + 1};
    ASSERT_EQ(write(fds[0], &huge, sizeof huge), ssize_t(sizeof huge));
    EXPECT_EQ(sourceEnd.receive(&message, QDeadlineTimer(1'000)), IoStatus::Malformed);

    // Half a message, then the peer is gone.
    const MessageHeader header{quint32(MessageType::Options), 100};
    ASSERT_EQ(write(fds[0], &header, sizeof header), ssize_t(sizeof header));
    ASSERT_EQ(write(fds[0], "abc", 3), 3);
    closeSender();
    EXPECT_EQ(sourceEnd.receive(&message, QDeadlineTimer(1'000)), IoStatus::Closed);
    // Sending to a peer that is gone fails instead of raising SIGPIPE.
    EXPECT_EQ(sourceEnd.send(MessageType::Quit, {}, QDeadlineTimer(1'000)), IoStatus::Closed);
}

TEST(HelperProtocolTest, TheFrameBufferIsSharedAndNeverReadPastItsEnd)
{
    FrameBufferWriter writer;
    ASSERT_GE(writer.fd(), 0);
    ASSERT_TRUE(writer.reserve(10));
    const qint64 first = writer.capacity();
    std::memcpy(writer.data(), "samples", 7);
    FrameBufferReader reader(dup(writer.fd()));
    const char* view = reader.view(7);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(QByteArray(view, 7), QByteArray("samples"));
    // Beyond the file's end a read would fault: no view.
    EXPECT_EQ(reader.view(first + 1), nullptr);

    // Grown by the writer, with what it held, and seen by the reader.
    ASSERT_TRUE(writer.reserve(first * 3));
    EXPECT_GE(writer.capacity(), first * 3);
    EXPECT_EQ(QByteArray(writer.data(), 7), QByteArray("samples"));
    writer.data()[first * 3 - 1] = 'z';
    view = reader.view(first * 3);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view[first * 3 - 1], 'z');
    EXPECT_FALSE(writer.reserve(kMaxFrameBytes + 1));
}

}  // namespace
