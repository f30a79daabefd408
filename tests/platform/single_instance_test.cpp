// The one running instance: the request format, hand-over to a listening instance, a start with
// nobody listening, a socket file left behind, and hostile requests.
#include "platform/single_instance.h"
#include "platform/user_dialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

namespace vantora {
namespace {

void Application() {
    static int argc = 1;
    static char name[] = "single_instance_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives until the process ends, as an application does
}

QString FreshName() { return QStringLiteral("vantora-test-") + QUuid::createUuid().toString(QUuid::Id128).left(16); }

TEST(InstanceRequest, RoundTripsProjectsAndActivation) {
    EXPECT_EQ(EncodeInstanceRequest({}), QByteArray("activate\n"));
    EXPECT_EQ(EncodeInstanceRequest(QStringLiteral("/a/b.vtp")), QByteArray("open\t/a/b.vtp\n"));
    EXPECT_EQ(DecodeInstanceRequest("activate"), QString());
    EXPECT_EQ(DecodeInstanceRequest("open\t/a/\xc3\xa4.vtp"), QStringLiteral("/a/\u00e4.vtp"));
    EXPECT_FALSE(DecodeInstanceRequest("").has_value());
    EXPECT_FALSE(DecodeInstanceRequest("opening").has_value());
    EXPECT_FALSE(DecodeInstanceRequest("ACTIVATE").has_value());
}

TEST(InstanceRequest, ALineBreakInAPathCannotEndTheRequestEarly) {
    const QByteArray line = EncodeInstanceRequest(QStringLiteral("/a\nactivate.vtp"));
    EXPECT_EQ(line.count('\n'), 1);
    EXPECT_TRUE(line.endsWith('\n'));
}

TEST(InstanceNames, DifferPerProgramFolder) {
    const QString a = SingleInstance::ServerNameFor(QStringLiteral("/home/a/.local/share/Vantora"));
    EXPECT_EQ(a, SingleInstance::ServerNameFor(QStringLiteral("/home/a/.local/share/Vantora")));
    EXPECT_NE(a, SingleInstance::ServerNameFor(QStringLiteral("/tmp/other")));
    EXPECT_TRUE(a.startsWith(QStringLiteral("vantora-")));
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { Application(); }
    QString name = FreshName();
};

TEST_F(SingleInstanceTest, NobodyListeningMeansTheFirstStart) {
    SingleInstance later(name);
    EXPECT_FALSE(later.handOver(QStringLiteral("/x.vtp"), 200));
}

TEST_F(SingleInstanceTest, ALaterStartHandsItsProjectToTheRunningOne) {
    SingleInstance running(name);
    QStringList requests;
    ASSERT_TRUE(running.listen([&](const QString& file) { requests << file; }));

    SingleInstance later(name);
    EXPECT_TRUE(later.handOver(QStringLiteral("/home/u/tour.vtp")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests.size() == 1; }, 5000));
    EXPECT_TRUE(later.handOver({}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests.size() == 2; }, 5000));
    EXPECT_EQ(requests, (QStringList{QStringLiteral("/home/u/tour.vtp"), QString()}));
}

TEST_F(SingleInstanceTest, ASecondListenerOnTheSameNameIsRefused) {
    SingleInstance running(name);
    ASSERT_TRUE(running.listen({}));
    SingleInstance another(name);
    EXPECT_FALSE(another.listen({}));
}

TEST_F(SingleInstanceTest, TheNameIsFreeAgainWhenTheRunningOneEnds) {
    {
        SingleInstance running(name);
        ASSERT_TRUE(running.listen({}));
    }
    SingleInstance next(name);
    EXPECT_TRUE(next.listen({}));
}

TEST_F(SingleInstanceTest, ASocketFileLeftBehindIsTakenOver) {
    // What an instance that was killed leaves: the file, with nobody answering on it.
    QFile left(QDir::temp().filePath(name));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    SingleInstance next(name);
    EXPECT_TRUE(next.listen({}));
    SingleInstance later(name);
    EXPECT_TRUE(later.handOver({}));
}

TEST_F(SingleInstanceTest, GarbageAndOverlongRequestsAreDropped) {
    SingleInstance running(name);
    QStringList requests;
    ASSERT_TRUE(running.listen([&](const QString& file) { requests << file; }));

    QLocalSocket garbage;
    garbage.connectToServer(name);
    ASSERT_TRUE(garbage.waitForConnected(1000));
    garbage.write("rm -rf /\n");
    garbage.waitForBytesWritten(1000);

    QLocalSocket overlong;
    overlong.connectToServer(name);
    ASSERT_TRUE(overlong.waitForConnected(1000));
    overlong.write(QByteArray(kMaxInstanceRequestBytes + 10, 'x'));
    overlong.waitForBytesWritten(1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlong.state() == QLocalSocket::UnconnectedState; }, 5000));

    // The server still answers the next well-formed request.
    SingleInstance later(name);
    EXPECT_TRUE(later.handOver(QStringLiteral("/ok.vtp")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !requests.isEmpty(); }, 5000));
    EXPECT_EQ(requests, QStringList{QStringLiteral("/ok.vtp")});
}

TEST(FileFilters, DesignFiltersBecomeQtFilters) {
    EXPECT_EQ(QtDialogFilter(QStringLiteral("Vantora Projects (*.vtp)|*.vtp")), QStringLiteral("Vantora Projects (*.vtp)"));
    EXPECT_EQ(QtDialogFilter(QStringLiteral("A (*.a)|*.a|B (*.b;*.c)|*.b;*.c")), QStringLiteral("A (*.a);;B (*.b;*.c)"));
    EXPECT_EQ(QtDialogFilter(QString()), QString());
}

} // namespace
} // namespace vantora
