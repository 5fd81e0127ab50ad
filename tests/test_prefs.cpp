// The preferences file: what a first start writes, how every layout and
// damaged file reads, and that a failed write never loses the previous file.
#include "game/MW.h"
#include "game/TolunBug.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/FileItem.h"
#include "recents/ModMenuRecents05112012.h"
#include "shell/App.h"
#include "tests/support/AppSession.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"
#include "updates/SparkleModule.h"

#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Expected values that depend on the machine.
constexpr int kSystemLanguage = -100; // the code of the system's language
constexpr int kWindowTop = -1;        // where start-up placed the window

} // namespace

class TestPrefs : public QObject {
    Q_OBJECT
private:
    App& app() { return *App::instance(); }
    std::unique_ptr<testsupport::AppSession> m_session;
    QTemporaryDir m_documents;

    QString document(const QString& name) const { return m_documents.filePath(name); }

    // Start-up with the file as given already in place.
    void startWith(const QByteArray& content)
    {
        testsupport::writeFile(testsupport::preferencesFilePath(), content);
        testsupport::launchApp();
    }

    QByteArray defaultFile(int top, int left) const
    {
        return QByteArrayLiteral("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n")
            + QByteArray::number(AutoLangModule::SystemLangage())
            + QByteArrayLiteral("\nOrientation\n1\nOld MW position\n") + QByteArray::number(top) + '\n'
            + QByteArray::number(left) + QByteArrayLiteral("\nNbrRecents\n0\n-1\nCheckAtStart\nfalse\n1\n5\n");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_documents.isValid());
        testsupport::writeFile(document(QStringLiteral("Alpha/a.bef")), "a");
        testsupport::writeFile(document(QStringLiteral("Beta/b.ref")), "b");
    }
    void init()
    {
        m_session = std::make_unique<testsupport::AppSession>();
    }
    void cleanup()
    {
        m_session.reset();
    }

    void firstStartWritesTheDefaultFile()
    {
        testsupport::launchApp();
        QVERIFY(m_session->boxes().calls().isEmpty());
        // Where the window stood when the file was written.
        const QByteArray written = testsupport::readFile(testsupport::preferencesFilePath());
        QCOMPARE(written, defaultFile(TolunBasic::MWTop, TolunBasic::MWLeft));
        QCOMPARE(written.count('\n'), 20);
        QCOMPARE(app().PrefFile, testsupport::preferencesFilePath());
        QVERIFY(!app().PreferencesFileInUse);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("langage");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("maxVx");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("checkAtStart");
        QTest::addColumn<QStringList>("recents");
        QTest::addColumn<int>("indexDefault");
        QTest::addColumn<double>("longueur");

        const QByteArray full = "PrefsVersion\n5\nRef Length\n150.50000\nUnits\n1\nLangage\n2\nOrientation\n2\n"
                                "Old MW position\n300\n7\nNbrRecents\n2\n$B\n$A\n1\nCheckAtStart\ntrue\n0\n12\n";
        const QStringList both { "Alpha:a.bef", "Beta:b.ref" };
        QTest::newRow("layout 5") << full << 2 << false << 12 << 300 << true << both << 1 << 150.5;
        QByteArray crlf = full;
        QTest::newRow("CR LF") << crlf.replace("\n", "\r\n") << 2 << false << 12 << 300 << true << both << 1 << 150.5;
        QByteArray cr = full;
        QTest::newRow("CR") << cr.replace("\n", "\r") << 2 << false << 12 << 300 << true << both << 1 << 150.5;
        QTest::newRow("other label texts")
            << QByteArray("V\n5\nL\n150.50000\nU\n1\nLa\n2\nO\n2\nP\n300\n7\nN\n2\n$B\n$A\n1\nC\ntrue\n0\n12\n")
            << 2 << false << 12 << 300 << true << both << 1 << 150.5;
        QTest::newRow("layout 2: no index, no automatic line, no speed")
            << QByteArray("PrefsVersion\n2\nRef Length\n135.00000\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n250\n0\nNbrRecents\n1\n$A\nCheckAtStart\ntrue\n")
            << 1 << true << 5 << 250 << true << QStringList { "Alpha:a.bef" } << -1 << 135.0;
        QTest::newRow("layout 4: no speed")
            << QByteArray("PrefsVersion\n4\nRef Length\n135.00000\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n250\n0\nNbrRecents\n1\n$A\n0\nCheckAtStart\nfalse\n0\n30\n")
            << 1 << false << 5 << 250 << false << QStringList { "Alpha:a.bef" } << 0 << 135.0;
        QTest::newRow("a deleted recent file")
            << QByteArray("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n250\n0\nNbrRecents\n2\n$A\n$GONE\n0\nCheckAtStart\nfalse\n0\n5\n")
            << 1 << false << 5 << 250 << false << QStringList { "Alpha:a.bef" } << -1 << 135.0;
        QTest::newRow("the same file twice, no other")
            << QByteArray("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n250\n0\nNbrRecents\n2\n$A\n$A\n0\nCheckAtStart\nfalse\n0\n5\n")
            << 1 << false << 5 << 250 << false << QStringList { "Alpha:a.bef" } << 0 << 135.0;
        QTest::newRow("speed 2 reads as 4, top 40 as 100")
            << QByteArray("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n40\n0\nNbrRecents\n0\n3\nCheckAtStart\nfalse\n0\n2\n")
            << 1 << false << 4 << 100 << false << QStringList() << -1 << 135.0;
        QTest::newRow("speed 70 stays")
            << QByteArray("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n400\n0\nNbrRecents\n0\n-1\nCheckAtStart\nfalse\n0\n70\n")
            << 1 << false << 70 << 400 << false << QStringList() << -1 << 135.0;
        QTest::newRow("automatic 1 follows the system")
            << QByteArray("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n7\nOrientation\n1\n"
                          "Old MW position\n400\n0\nNbrRecents\n0\n-1\nCheckAtStart\nfalse\n1\n5\n")
            << kSystemLanguage << true << 5 << 400 << false << QStringList() << -1 << 135.0;
        QTest::newRow("automatic as other text keeps the code")
            << QByteArray("PrefsVersion\n5\nRef Length\n135.00000\nUnits\n0\nLangage\n2\nOrientation\n1\n"
                          "Old MW position\n400\n0\nNbrRecents\n0\n-1\nCheckAtStart\nTRUE\nyes\n5\n")
            << 2 << false << 5 << 400 << true << QStringList() << -1 << 135.0;
        QTest::newRow("shortened: the rest keeps its defaults")
            << QByteArray("PrefsVersion\n5\nRef Length\n200.00000\nUnits\n0\nLangage\n2")
            << 2 << true << 5 << kWindowTop << false << QStringList() << -1 << 200.0;
        QTest::newRow("no line breaks at all")
            << QByteArray("PrefsVersion 5 Ref Length 200")
            << kSystemLanguage << true << 5 << kWindowTop << false << QStringList() << -1 << 135.0;
        // A length beyond any double reads as no number: 0.
        QTest::newRow("huge numbers saturate")
            << QByteArray("PrefsVersion\n99999999999999999999\nRef Length\n1e400\nUnits\n0\nLangage\n1\nOrientation\n1\n"
                          "Old MW position\n-99999999999999\n0\nNbrRecents\n4294967297\n$A\n")
            << 1 << true << 5 << 100 << false << QStringList { "Alpha:a.bef" } << -1 << 0.0;
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, langage);
        QFETCH(bool, automatic);
        QFETCH(int, maxVx);
        QFETCH(int, top);
        QFETCH(bool, checkAtStart);
        QFETCH(QStringList, recents);
        QFETCH(int, indexDefault);
        QFETCH(double, longueur);
        content.replace("$A", document(QStringLiteral("Alpha/a.bef")).toUtf8());
        content.replace("$B", document(QStringLiteral("Beta/b.ref")).toUtf8());
        content.replace("$GONE", document(QStringLiteral("Gone/c.bef")).toUtf8());

        startWith(content);
        QVERIFY(m_session->boxes().calls().isEmpty());
        QCOMPARE(TolunBasic::Langage, langage == kSystemLanguage ? AutoLangModule::SystemLangage() : langage);
        QCOMPARE(AutoLangModule::Automatic, automatic);
        QCOMPARE(TolunBug::MaxVx, maxVx);
        QCOMPARE(TolunBasic::MWTop, top == kWindowTop ? MW::instance().windowRect().top() : top);
        QCOMPARE(SparkleModule::CheckAtStart, checkAtStart);
        QStringList keys;
        for (int row = 0; row < MW::instance().LBRecents().topLevelItemCount(); ++row)
            keys.append(MW::instance().LBRecents().topLevelItem(row)->text(0));
        QCOMPARE(keys, recents);
        QCOMPARE(ModMenuRecents05112012::NbrRecents, recents.size());
        QCOMPARE(ModMenuRecents05112012::IndexDefaultRecent, indexDefault);
        QCOMPARE(app().Longueur, longueur);
        QCOMPARE(app().Scale, longueur / 500);
    }

    void aFileThatCannotBeReadIsReportedAndRewritten_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QStringList>("messages");
        // A pipe cannot be read as a file; the rewrite then replaces it.
        QTest::newRow("a pipe") << false << QStringList { "MacPrefsZumblo.txt. Read error." };
        // A folder cannot be replaced either: both failures are told.
        QTest::newRow("a folder") << true
                                  << QStringList { "MacPrefsZumblo.txt. Read error.",
                                         "MacPrefsZumblo.txt\nInvalid name or file already exist." };
    }
    void aFileThatCannotBeReadIsReportedAndRewritten()
    {
        QFETCH(bool, folder);
        QFETCH(QStringList, messages);
        const QString path = testsupport::preferencesFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        testsupport::launchApp();
        QStringList shown;
        for (const auto& call : m_session->boxes().calls()) {
            shown.append(call.text);
            QCOMPARE(call.title, QStringLiteral("Warning !"));
            QCOMPARE(call.code, 48);
        }
        QCOMPARE(shown, messages);
        QCOMPARE(QFileInfo(path).isFile(), !folder);
        if (!folder)
            QCOMPARE(testsupport::readFile(path), defaultFile(TolunBasic::MWTop, TolunBasic::MWLeft));
        QCOMPARE(TolunBug::MaxVx, 5);
    }

    void aFileWhereTheFolderShouldBeIsReportedAndNothingRead()
    {
        testsupport::writeFile(testsupport::configHome() + QStringLiteral("/Orlentis"), "not a folder");
        testsupport::launchApp();
        QCOMPARE(m_session->boxes().calls().size(), 1);
        QCOMPARE(m_session->boxes().calls().at(0).text, QStringLiteral("MacPrefsZumblo.txt\nDestination does not exist."));
        QCOMPARE(m_session->boxes().calls().at(0).title, QStringLiteral("Warning !"));
        QCOMPARE(TolunBug::MaxVx, 5);
        QCOMPARE(TolunBasic::Langage, AutoLangModule::SystemLangage());

        // Writing there fails the same way and says so.
        QVERIFY(!app().WritePreferences());
        QCOMPARE(m_session->boxes().calls().size(), 2);
        QCOMPARE(m_session->boxes().calls().at(1).text, m_session->boxes().calls().at(0).text);
    }

    void aWriteThatFailsHalfWayKeepsThePreviousFile()
    {
        testsupport::launchApp();
        const QString path = testsupport::preferencesFilePath();
        const QByteArray before = testsupport::readFile(path);
        QVERIFY(before.size() > 40);

        // Files may grow to 40 bytes only: the new file fails part-way, even for root.
        TolunBug::MaxVx = 33;
        rlimit saved {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 40;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = app().WritePreferences();
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!written);
        QCOMPARE(testsupport::readFile(path), before);
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden), QStringList { "MacPrefsZumblo.txt" });
        QCOMPARE(m_session->boxes().calls().size(), 1);
        QCOMPARE(m_session->boxes().calls().at(0).text,
            QStringLiteral("Error Read/Write. file: MacPrefsZumblo.txt\n%1 (%2).").arg(TolunBasic::UnKnownError).arg(EFBIG));
        QVERIFY(!app().PreferencesFileInUse);
    }

    // Random and mutated files, from a fixed seed: the reader always returns,
    // with values in their ranges and a list it could really build.
    void anyContentReadsSafely()
    {
        testsupport::launchApp();
        const QByteArray valid = testsupport::readFile(testsupport::preferencesFilePath());
        const QByteArray path = document(QStringLiteral("Alpha/a.bef")).toUtf8();
        const QList<QByteArray> pieces { "\n", "\r", "\r\n", "5", "-1", "0", "2147483648", "99999999999999999999999",
            "4294967295", "1e308", "-1e308", "nan", "true", path, QByteArray(1, '\0'), "\xff\xfe", "NbrRecents" };
        std::mt19937 random(20261211);
        const auto below = [&](int n) { return int(random() % unsigned(n)); };

        for (int round = 0; round < 3000; ++round) {
            QByteArray content;
            if (round % 3 == 0) {
                const int size = below(600);
                for (int i = 0; i < size; ++i)
                    content.append(char(below(256)));
            } else {
                QList<QByteArray> lines = valid.split('\n');
                const int changes = 1 + below(6);
                for (int i = 0; i < changes && !lines.isEmpty(); ++i) {
                    const int at = below(int(lines.size()));
                    switch (below(4)) {
                    case 0: lines[at] = pieces[below(int(pieces.size()))]; break;
                    case 1: lines.removeAt(at); break;
                    case 2: lines.insert(at, pieces[below(int(pieces.size()))]); break;
                    default: lines = lines.mid(0, at); break;
                    }
                }
                content = lines.join(round % 2 ? "\n" : "\r\n");
            }
            testsupport::writeFile(testsupport::preferencesFilePath(), content);
            app().ReadPreferences();

            QVERIFY2(TolunBug::MaxVx >= 4, content.toHex().constData());
            QVERIFY(TolunBasic::MWTop >= 100 || TolunBasic::MWTop == MW::instance().windowRect().top());
            QCOMPARE(ModMenuRecents05112012::NbrRecents, MW::instance().LBRecents().topLevelItemCount());
            QVERIFY(ModMenuRecents05112012::NbrRecents <= 1);
            QVERIFY(std::isfinite(app().Longueur));
            QVERIFY(!app().PreferencesFileInUse);
        }
        QVERIFY(m_session->boxes().calls().isEmpty());
    }
};

ZUMBLO_TEST_MAIN_WITH(TestPrefs, App)
#include "test_prefs.moc"
