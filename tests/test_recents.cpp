// The recent-files list and its submenu, the Open command, opening a listed
// file, and the file-error messages.
#include "game/MW.h"
#include "localization/TolunBasic.h"
#include "platform/FileItem.h"
#include "platform/OpenFileDialog.h"
#include "recents/ModMenuRecents05112012.h"
#include "recents/SubMenu.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "tests/support/AppSession.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QMenu>
#include <QtTest>

namespace Recents = ModMenuRecents05112012;

class TestRecents : public QObject {
    Q_OBJECT
private:
    App& app() { return *App::instance(); }
    std::unique_ptr<testsupport::AppSession> m_session;
    QTemporaryDir m_documents;
    QStringList m_filters;

    QString document(const QString& name) const { return m_documents.filePath(name); }

    // Picks each path in turn with the Open command.
    void open(const QStringList& paths)
    {
        for (const QString& path : paths) {
            platform::setOpenFileHandler([this, path](const QString& filter) -> std::optional<QString> {
                m_filters.append(filter);
                return path;
            });
            MainMenuBar::existing()->MenuOpen->trigger();
        }
        platform::setOpenFileHandler(nullptr);
    }

    // The File menu's items as a player reads them, the recent-files item
    // with its entries in brackets.
    QStringList fileMenu() const
    {
        QStringList items;
        for (QAction* action : MainMenuBar::existing()->FichierMenu->actions()) {
            items.append(action->text());
            if (action->menu()) {
                for (QAction* entry : action->menu()->actions())
                    items.append(QStringLiteral("[") + (entry->isSeparator() ? QStringLiteral("-") : entry->text()) + QStringLiteral("]"));
            }
        }
        return items;
    }

    SubMenu* command(int entry, SubMenu::Command which) const
    {
        const QList<QAction*> entries = Recents::MenuRecents->actions();
        const QList<QAction*> items = which == SubMenu::Command::EraseFileList ? entries : entries.at(entry)->menu()->actions();
        for (QAction* action : items) {
            if (auto* item = qobject_cast<SubMenu*>(action); item && item->command() == which)
                return item;
        }
        return nullptr;
    }

    QStringList writtenPaths() const
    {
        const QList<QByteArray> lines = testsupport::readFile(testsupport::preferencesFilePath()).split('\n');
        const int count = lines.value(14).toInt();
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths.append(QString::fromUtf8(lines.value(15 + i)));
        return paths;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_documents.isValid());
        testsupport::writeFile(document(QStringLiteral("Zeta/x.bef")), "x");
        testsupport::writeFile(document(QStringLiteral("Alpha/y.bef")), "y");
    }
    void init()
    {
        m_session = std::make_unique<testsupport::AppSession>();
        m_filters.clear();
        testsupport::launchApp();
    }
    void cleanup()
    {
        m_session.reset();
    }

    void openedFilesAreListedSortedOnceAndWritten()
    {
        // Start-up replaced the placeholder: no list, no item.
        QCOMPARE(fileMenu(), (QStringList { "Open", "Printer options...", "Quitter" }));

        const QString x = document(QStringLiteral("Zeta/x.bef"));
        const QString y = document(QStringLiteral("Alpha/y.bef"));
        open({ x, y, x });
        QCOMPARE(m_filters, QStringList(3, QStringLiteral("MyBinFiles (*.bef *.ref)")));
        QCOMPARE(fileMenu(), (QStringList { "Open", "Open a recent file", "[Alpha:y.bef]", "[Zeta:x.bef]", "[-]",
                                 "[Erase the recent files list]", "Printer options...", "Quitter" }));
        QCOMPARE(Recents::NbrRecents, 2);
        QCOMPARE(writtenPaths(), (QStringList { y, x }));

        // Each entry's commands carry its number; the last two follow the entries.
        QCOMPARE(command(0, SubMenu::Command::LoadFile)->Tag(), 1);
        QCOMPARE(command(1, SubMenu::Command::WithdrawFromList)->Tag(), 2);
        QCOMPARE(command(1, SubMenu::Command::WithdrawFromList)->text(), QStringLiteral("Remove from list"));
        QCOMPARE(command(0, SubMenu::Command::EraseFileList)->Tag(), 4);

        // A cancelled Open changes nothing and writes nothing.
        QFile::remove(testsupport::preferencesFilePath());
        platform::setOpenFileHandler([](const QString&) { return std::nullopt; });
        MainMenuBar::existing()->MenuOpen->trigger();
        QCOMPARE(Recents::NbrRecents, 2);
        QVERIFY(!QFile::exists(testsupport::preferencesFilePath()));
    }

    void withdrawingTheOnlyEntryRemovesTheItem()
    {
        open({ document(QStringLiteral("Zeta/x.bef")) });
        command(0, SubMenu::Command::WithdrawFromList)->trigger();
        QCOMPARE(fileMenu(), (QStringList { "Open", "Printer options...", "Quitter" }));
        QCOMPARE(Recents::NbrRecents, 0);
        QCOMPARE(writtenPaths(), QStringList());
    }

    void erasingAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("No") << 7 << 2;
        QTest::newRow("Yes") << 6 << 0;
    }
    void erasingAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(int, left);
        open({ document(QStringLiteral("Zeta/x.bef")), document(QStringLiteral("Alpha/y.bef")) });
        m_session->boxes().queueAnswer(answer);
        command(0, SubMenu::Command::EraseFileList)->trigger();
        QCOMPARE(m_session->boxes().calls().size(), 1);
        QCOMPARE(m_session->boxes().calls().at(0).text, QStringLiteral("You really want to delete the list of recent files ?"));
        QCOMPARE(m_session->boxes().calls().at(0).title, QStringLiteral("Erase the recent files list"));
        QCOMPARE(m_session->boxes().calls().at(0).code, 52);
        QCOMPARE(Recents::NbrRecents, left);
        QCOMPARE(writtenPaths().size(), left);
        QCOMPARE(bool(Recents::MenuRecents), left > 0);
    }

    void openingAListedFile()
    {
        testsupport::writeFile(document(QStringLiteral("Gone/z.ref")), "z");
        open({ document(QStringLiteral("Zeta/x.bef")), document(QStringLiteral("Gone/z.ref")) });
        // The interface in German: the confirmation stays French.
        TolunBasic::Langage = 2;
        TolunBasic::SetLangage();

        command(1, SubMenu::Command::LoadFile)->trigger();
        QCOMPARE(m_session->boxes().calls().size(), 1);
        QCOMPARE(m_session->boxes().calls().at(0).text, QStringLiteral("Ouverture de x.bef"));

        // A file that has gone since is dropped, the list written, the user told.
        QVERIFY(QFile::remove(document(QStringLiteral("Gone/z.ref"))));
        Recents::IndexDefaultRecent = 0;
        command(0, SubMenu::Command::LoadFile)->trigger();
        QCOMPARE(m_session->boxes().calls().size(), 2);
        QCOMPARE(m_session->boxes().calls().at(1).text, QStringLiteral("Datei nicht gefunden. (z.ref)."));
        QCOMPARE(Recents::NbrRecents, 1);
        QCOMPARE(Recents::IndexDefaultRecent, -1);
        QCOMPARE(writtenPaths(), QStringList { document(QStringLiteral("Zeta/x.bef")) });
    }

    // The commands are told apart by what they do: after a change of
    // language they read, and still work, in the new one.
    void theSubmenuFollowsTheLanguage()
    {
        open({ document(QStringLiteral("Zeta/x.bef")) });
        TolunBasic::Langage = 1;
        TolunBasic::SetLangage();
        QCOMPARE(fileMenu(), (QStringList { "Ouvrir", "Liste des fichiers récents", "[Zeta:x.bef]", "[-]",
                                 "[Efface la liste des fichiers récents]", "Mise en page...", "Quitter" }));
        SubMenu* withdraw = command(0, SubMenu::Command::WithdrawFromList);
        QCOMPARE(withdraw->text(), QStringLiteral("Retirer de la liste"));
        withdraw->trigger();
        QCOMPARE(Recents::NbrRecents, 0);
    }

    void fileErrorMessages_data()
    {
        QTest::addColumn<int>("langage");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString en = QStringLiteral("Warning !");
        QTest::newRow("100") << 0 << 100 << "Prefs.txt\nDestination does not exist." << en;
        QTest::newRow("101") << 0 << 101 << "Prefs.txt\nFile not found." << en;
        QTest::newRow("102") << 0 << 102 << "Prefs.txt\nAccess denied." << en;
        QTest::newRow("103") << 0 << 103 << "Prefs.txt\nOut of memory." << en;
        QTest::newRow("104") << 0 << 104 << "Prefs.txt\nFile in use." << en;
        QTest::newRow("105") << 0 << 105 << "Prefs.txt\nInvalid name or file already exist." << en;
        QTest::newRow("other") << 0 << 36 << "Error Read/Write. file: Prefs.txt\nUnknown error (36)." << en;
        QTest::newRow("negative") << 0 << -43 << "Error Read/Write. file: Prefs.txt\nUnknown error (-43)." << en;
        QTest::newRow("French") << 1 << 102 << "Prefs.txt\nAccès non autorisé." << "Attention !";
        QTest::newRow("German") << 2 << 104 << "Prefs.txt\nDatei wird verwendet." << "Warnung !";
    }
    void fileErrorMessages()
    {
        QFETCH(int, langage);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QString, title);
        TolunBasic::Langage = langage;
        TolunBasic::SetLangage();
        // The generic message carries the table's own word for an unknown error.
        text.replace(QStringLiteral("Unknown error"), TolunBasic::UnKnownError);
        app().TrouveFileErreur(platform::FileItem::lookup(document(QStringLiteral("Prefs.txt"))), code);
        QCOMPARE(m_session->boxes().calls().size(), 1);
        QCOMPARE(m_session->boxes().calls().at(0).text, text);
        QCOMPARE(m_session->boxes().calls().at(0).title, title);
        QCOMPARE(m_session->boxes().calls().at(0).code, 48);
    }

    void lookupsReportTheShellsCodes()
    {
        testsupport::writeFile(document(QStringLiteral("plain")), "a file, not a folder");
        const struct {
            QString path;
            int code;
        } cases[] = {
            { document(QStringLiteral("Zeta/x.bef")), 0 },
            { document(QStringLiteral("Zeta/missing.bef")), 101 },
            { document(QStringLiteral("NoSuchFolder/x.bef")), 100 },
            { document(QStringLiteral("plain/x.bef")), 100 },
            { QString(), 105 },
            { document(QStringLiteral("Zeta/x")) + QChar(0) + QStringLiteral(".bef"), 105 },
            { document(QString(300, QLatin1Char('n'))), 105 },
        };
        for (const auto& c : cases) {
            const platform::FileItem item = platform::FileItem::lookup(c.path);
            QCOMPARE(item.lastErrorCode(), c.code);
            QCOMPARE(app().AfficheFileError(item), c.code == 0);
        }
        // Every code but 0 was shown, once.
        QCOMPARE(m_session->boxes().calls().size(), int(std::size(cases)) - 1);
    }
};

ZUMBLO_TEST_MAIN_WITH(TestRecents, App)
#include "test_recents.moc"
