#include "TestRegistry.h"
#include "platform/FileInstanceLock.h"
#include "platform/qt/QtDdeLink.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <future>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A sender on the link's socket, as another program of the same account would be.
class Sender {
public:
    explicit Sender(const QString& path) {
        const QByteArray p = QFile::encodeName(path);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, p.constData(), static_cast<size_t>(p.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~Sender() { finish(); }
    bool connected() const { return m_fd >= 0; }
    bool send(const QByteArray& bytes) {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::send(m_fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), MSG_NOSIGNAL);
            if (n <= 0) return false;
            done += n;
            QCoreApplication::processEvents(); // the link reads while a long text is still going out
        }
        return true;
    }
    void finish() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    // True once the link has closed its end.
    bool closedByLink() {
        pollfd p{m_fd, POLLIN, 0};
        char c;
        return ::poll(&p, 1, 0) == 1 && ::recv(m_fd, &c, 1, MSG_DONTWAIT) == 0;
    }

private:
    int m_fd = -1;
};

struct LinkFixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("timeward.dde"));
    std::unique_ptr<QtDdeLink> link = std::make_unique<QtDdeLink>(path);
    int opens = 0;
    QStringList texts;
    LinkFixture() {
        link->onOpen = [this] { ++opens; };
        link->onText = [this](const QString& t) { texts << t; };
    }
};
} // namespace

class tst_DdeLinkUi : public QObject {
    Q_OBJECT
private slots:
    void textsArriveLineByLine_data();
    void textsArriveLineByLine();
    void everyConnectionIsAnOpenEvent();
    void socketIsOwnerOnlyAndReplacesAStaleFile();
    void overlongLineEndsTheConnection();
    void closeRemovesTheSocket();
    void receiverMayEndTheLinkWhileLinesWait();
    void presenceQuestionIsAnsweredWithoutAnOpenEvent();
};

void tst_DdeLinkUi::textsArriveLineByLine_data() {
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one line") << QList<QByteArray>{"EXIT TW\n"} << QStringList{"EXIT TW"};
    QTest::newRow("carriage returns dropped") << QList<QByteArray>{"a\r\nb\n"} << QStringList{"a", "b"};
    QTest::newRow("line split over sends") << QList<QByteArray>{"EX", "IT", " TW\n"} << QStringList{"EXIT TW"};
    QTest::newRow("empty line") << QList<QByteArray>{"\n"} << QStringList{""};
    QTest::newRow("UTF-8") << QList<QByteArray>{"Zeit \xc3\xbc\n"} << QStringList{QStringLiteral("Zeit \u00fc")};
    QTest::newRow("unfinished line at close is not text")
        << QList<QByteArray>{"one\n", "EXIT TW"} << QStringList{"one"};
}

void tst_DdeLinkUi::textsArriveLineByLine() {
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QStringList, expected);
    LinkFixture f;
    QVERIFY(f.link->listen());
    Sender s(f.path);
    QVERIFY(s.connected());
    for (const QByteArray& piece : pieces) {
        QVERIFY(s.send(piece));
        QTest::qWait(20);
    }
    s.finish();
    QTRY_COMPARE(f.texts, expected);
    QTest::qWait(50);
    QCOMPARE(f.texts, expected);
    QCOMPARE(f.opens, 1);
}

void tst_DdeLinkUi::everyConnectionIsAnOpenEvent() {
    LinkFixture f;
    QVERIFY(f.link->listen());
    QVERIFY(f.link->listen()); // a second listen keeps the first socket
    Sender a(f.path), b(f.path);
    QVERIFY(a.connected() && b.connected());
    QTRY_COMPARE(f.opens, 2);
    QVERIFY(a.send("from a\n") && b.send("from b\n"));
    QTRY_COMPARE(f.texts.size(), 2);
    QVERIFY(f.texts.contains("from a") && f.texts.contains("from b"));
}

void tst_DdeLinkUi::socketIsOwnerOnlyAndReplacesAStaleFile() {
    LinkFixture f;
    {
        QFile stale(f.path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
    }
    QVERIFY(f.link->listen());
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(f.path).constData(), &st), 0);
    QVERIFY(S_ISSOCK(st.st_mode));
    QCOMPARE(st.st_mode & (S_IRWXG | S_IRWXO), mode_t(0));
    QVERIFY(Sender(f.path).connected());
}

void tst_DdeLinkUi::overlongLineEndsTheConnection() {
    LinkFixture f;
    QVERIFY(f.link->listen());
    Sender s(f.path);
    QVERIFY(s.connected());
    s.send(QByteArray(QtDdeLink::kMaxLine + 4096, 'x')); // may fail once the link has hung up
    QTRY_VERIFY(s.closedByLink());
    QVERIFY(f.texts.isEmpty());
    // The link itself still listens.
    Sender next(f.path);
    QVERIFY(next.send("EXIT TW\n"));
    QTRY_COMPARE(f.texts, QStringList{"EXIT TW"});
}

void tst_DdeLinkUi::closeRemovesTheSocket() {
    LinkFixture f;
    QVERIFY(f.link->listen());
    f.link->close();
    QVERIFY(!f.link->isListening());
    QVERIFY(!QFile::exists(f.path));
    QVERIFY(!Sender(f.path).connected());
    QVERIFY(f.link->listen());
    QVERIFY(Sender(f.path).connected());
}

void tst_DdeLinkUi::receiverMayEndTheLinkWhileLinesWait() {
    // "EXIT TW" ends the program: the receiver may take the link down inside the call.
    LinkFixture f;
    QVERIFY(f.link->listen());
    f.link->onText = [&f](const QString& t) {
        f.texts << t;
        f.link.reset();
    };
    Sender s(f.path);
    QVERIFY(s.send("EXIT TW\nsecond\n"));
    QTRY_VERIFY(!f.link);
    QTest::qWait(20);
    QCOMPARE(f.texts, QStringList{"EXIT TW"});
    QVERIFY(!QFile::exists(f.path));
}

void tst_DdeLinkUi::presenceQuestionIsAnsweredWithoutAnOpenEvent() {
    // A new start asks whether the lock's holder is a live copy: the link answers and nothing
    // of the exit runs; a plain connection is still an open event.
    LinkFixture f;
    QVERIFY(f.link->listen());
    FileInstanceLock asker(f.dir.filePath(QStringLiteral("timeward.lock")), f.path);
    auto answered = std::async(std::launch::async, [&] { return asker.holderAnswers(2000); });
    QTRY_VERIFY(answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(answered.get());
    QTest::qWait(400); // beyond the wait for a first line
    QCOMPARE(f.opens, 0);
    QCOMPARE(f.texts, QStringList());
    Sender silent(f.path);
    QVERIFY(silent.connected());
    QTRY_COMPARE(f.opens, 1);
}

TW_TEST(tst_DdeLinkUi)
#include "tst_DdeLinkUi.moc"
