// The editor's main window on real widgets, driven through its menu: the menu
// tree, the mouse modes, the author's note, the image choosers and saving, and
// the settings command with its "Configuración" dialog run inside it. Before
// it, start-up's refusals.

#include "app/Commands.h"
#include "app/Startup.h"
#include "app/Texts.h"
#include "imagefile/ImageFileTexts.h"
#include "imagefile/LoadBitmapFile.h"
#include "settings/BlockSizeSettings.h"
#include "settings/SettingsFile.h"
#include "ui/dialogs/MessageBox.h"

#include "../support/BitmapBytes.h"
#include "../support/EditorSession.h"
#include "WidgetTesting.h"

#include <csignal>
#include <sys/resource.h>

std::map<std::string, QAction*> Items; // every item Describe has seen, by its text

// A menu written out: "Title[item,-,item*,]," with * for a check mark.
std::string Describe(const QList<QAction*>& actions) {
    std::string text;
    for (QAction* a : actions) {
        Items[a->text().toStdString()] = a;
        text += (a->isSeparator() ? "-" : a->text().toStdString()) + (a->isChecked() ? "*" : "") +
                (a->menu() ? "[" + Describe(a->menu()->actions()) + "]," : ",");
    }
    return text;
}

// The main menu as it must read with the check mark on `checked`.
std::string Tree(const std::string& checked) {
    const auto item = [&](std::string text) { return text + (text == checked ? "*," : ","); };
    return std::string(MENU_FILES) + "[" + MENU_SAVE + ",-," + MENU_ABOUT + ",]," + MENU_OPTIONS +
           "[" + MENU_SETTINGS + ",]," + MENU_MOUSE + "[" + MENU_LEFT_BUTTON + "[" +
           item(MENU_MODE_PAN) + item(MENU_MODE_TRANSPARENT) + item(MENU_MODE_TRANSPARENT_BLOCK) +
           item(MENU_MODE_REAL_COLOUR) + item(MENU_MODE_REAL_COLOUR_BLOCK) + "],],";
}

// A message box as the program shows them all, captioned, with one OK button
// (reading "Aceptar", as on a Spanish system) and no icon, is noted in `seen`
// by its text and answered with OK. False for any other window.
bool AnswerBox(QWidget& w, std::vector<std::string>& seen) {
    auto* box = qobject_cast<QMessageBox*>(&w);
    if (!box) return false;
    EXPECT_TRUE(box->standardButtons() == QMessageBox::Ok && !box->icon() &&
                box->button(QMessageBox::Ok)->text() == "Aceptar" &&
                w.windowTitle() == MESSAGE_CAPTION);
    seen.push_back(box->text().toStdString());
    box->accept();
    return true;
}

// Start-up refuses with a box what it cannot edit, and opens no window (but
// for a good file, whose window is closed at once): a side
// above 500, though the other is 0, is too large; a pipe under a bitmap's name
// is refused at once as unreadable (the one read refuses any name that is not
// a file: see its own test). The box's text and caption are checked as the
// message-box service gets them.
TEST(Startup, RefusesWithTheBoxOfItsReasonAndOpensNoWindow) {
    EditorSession session;
    const std::string files[] = {session.folder().write("ancha.bmp", BitmapFile(501, 0)),
                                 session.folder().place("tuberia.bmp", "<pipe>"),
                                 session.folder().write("buena.bmp", BitmapFile(1, 1, 24, 0, {}, {1, 2, 3, 0}))};
    int mainWindows = 0; // shown for the one good file, and closed
    std::vector<std::string> passed, seen;
    WatchMessageBoxesForTests([&](const std::string& text, const std::string& caption) {
        passed.push_back(caption + "|" + text);
    });
    for (const std::string& file : files) {
        const auto choose = [&](QWidget& w) {
            if (AnswerBox(w, seen)) return;
            if (w.windowTitle() == MAIN_WINDOW_TITLE) return ++mainWindows, (void)w.close();
            w.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(file));
            static_cast<QDialog&>(w).accept();
        };
        Answering(choose, [] { EXPECT_EQ(RunStartup(), 0); });
    }
    WatchMessageBoxesForTests({});
    const std::string unreadable = "Programador|La imagen bitmap no se puede leer : \r\n";
    EXPECT_EQ(passed, (std::vector<std::string>{
                          "Programador|La imagen bitmap no puede ser mayor a : \r\n500 x 500\r\n"
                          "Disculpen ...",
                          unreadable + files[1] + "\r\nDisculpen ..."}));
    EXPECT_EQ(std::tuple(seen.size(), mainWindows), std::tuple(2u, 1));
}

// The main window's handler once EditorSession::Open has initialised it.
LResult CommandHandler(Handle window, MessageId message, WParam wParam, LParam lParam) {
    return message == WM_INITDIALOG ? 0 : MainWindowHandler(window, message, wParam, lParam);
}

// An editor on a 6 x 4 picture.
struct App : testing::Test {
    void SetUp() override { session.Open(6, 4, RandomPicture(6, 4, 51)); }

    // Runs the main window as start-up does and calls `body` once it is shown.
    // A message box goes to AnswerBox; `answer` takes the other windows.
    void Run(const std::function<void()>& body) {
        Answering(
            [&](QWidget& w) {
                if (AnswerBox(w, seen)) return;
                if (w.windowTitle() != MAIN_WINDOW_TITLE) return answer(w);
                Describe((bar = w.findChild<QMenuBar*>())->actions());
                body();
                w.close();
            },
            [] { RunModal(Editing().MainWindow, CommandHandler, nullptr); });
    }

    void Choose(const std::string& item) { Items.at(item)->trigger(); }

    EditorSession session;
    std::vector<std::string> seen;
    std::function<void(QWidget&)> answer;
    QMenuBar* bar = nullptr;
};

// The menu and its mode items, the author's note; the open chooser takes the
// image, then three saves: cancelled, nothing is written; failing (over the
// file size limit), the old file stays whole, since the new file replaces it
// only when complete, and the box says why; done, the image is written at its
// own size.
TEST_F(App, TheMenuSetsTheModesShowsTheNoteAndSavesThroughTheChoosers) {
    // clang-format off
    const std::pair<const char*, std::int32_t> modes[] = {{MENU_MODE_TRANSPARENT, EditTransparent},
        {MENU_MODE_REAL_COLOUR, EditRealColour}, {MENU_MODE_TRANSPARENT_BLOCK, EditTransparentBlock},
        {MENU_MODE_REAL_COLOUR_BLOCK, EditRealColourBlock}, {MENU_MODE_PAN, MovePaper}};
    // clang-format on
    const std::string file = session.folder().write("imagen.bmp", {'B', 'M', 'o', 'l', 'd'});
    answer = [&](QWidget& w) { // the choosers, noted as "title|filter|suffix|folder|name|mode"
        auto& c = static_cast<QFileDialog&>(w);
        QLineEdit* name = c.findChild<QLineEdit*>("fileNameEdit");
        std::string& shown = seen.emplace_back();
        for (const QString& text : {c.windowTitle(), c.nameFilters().join(";"), c.defaultSuffix(),
                                    c.directory().absolutePath(), name->text()})
            shown += text.toStdString() + "|";
        shown += c.fileMode() == QFileDialog::AnyFile ? "any" : "existing"; // a new name or not
        if (seen.size() == 2) name->setText(QString::fromStdString(file));  // the open chooser
        seen.size() == 3 ? c.reject() : static_cast<QDialog&>(c).accept();  // the first save
    };
    // The new file needs 134 bytes; the test expects no file size limit of its own.
    const rlimit small{64, RLIM_INFINITY}, usual{RLIM_INFINITY, RLIM_INFINITY};
    std::signal(SIGXFSZ, SIG_IGN);
    Run([&] {
        EXPECT_EQ(Describe(bar->actions()), Tree(MENU_MODE_PAN));
        for (const auto& [item, mode] : modes) {
            Choose(item);
            EXPECT_EQ(Describe(bar->actions()) + std::to_string(Editing().MouseMode),
                      Tree(item) + std::to_string(mode));
        }
        Choose(MENU_ABOUT);
        EXPECT_TRUE(ChooseImageFile(ImageFileName, OPEN_CHOOSER));
        Choose(MENU_SAVE);
        setrlimit(RLIMIT_FSIZE, &small);
        Choose(MENU_SAVE);
        setrlimit(RLIMIT_FSIZE, &usual);
        EXPECT_EQ(std::filesystem::file_size(file), 5u);
        Choose(MENU_SAVE);
    });
    const std::string texts = std::string(CHOOSER_TITLE) + "|" + CHOOSER_FILTER_NAME + " (" +
                              CHOOSER_FILTER_PATTERN + ")|" + CHOOSER_DEFAULT_EXTENSION + "|";
    const std::string save = texts + session.folder().path().string() + "|imagen.bmp|any";
    EXPECT_EQ(
        seen,
        (std::vector<std::string>{
            std::string(ABOUT_LINE_1) + "\n" + MAKER_WEB_ADDRESS + "\n\n" + ABOUT_LINE_4,
            texts + QDir::currentPath().toStdString() + "||existing", save, save,
            SAVE_FAILED_LINE_1 + ("\n" + file) + "\n" + strerror(EFBIG), save, SAVED_MESSAGE}));
    EXPECT_EQ(ReadSurfaceArea(LoadBitmapFile(file, 6, 4), 0, 0, 6, 4), RandomPicture(6, 4, 51));
}

// Each round opens the dialog from the menu, inside the main window's run,
// types into the width field and pastes into the height field; Enter and
// Escape do nothing. "Salir" ends it, or a close request, which reads no field.
// The block size is stored when, and only when, it closes: the next round's
// dialog shows what the file holds.
TEST_F(App, SettingsDialogReadsItsFieldsOnSalirAndEachCloseStoresTheBlockSize) {
    // clang-format off
    const char* rounds[][4] = { // typed, pasted, how it ends, what it shows
        {"1a2-b3", "-5", "Salir", "3 x 3"}, {"0", "&H1F", "Salir", "123 x 3"},
        {"9", "9", "close", "3 x 31"}, {"", "", "close", "3 x 31"}};
    // clang-format on
    std::size_t round = 0;
    const std::string file = session.folder().file(SETTINGS_FILE_NAME);
    answer = [&](QWidget& w) {
        seen.push_back(w.windowTitle().toStdString());
        if (seen.size() != round + 1) return (void)w.close(); // a second dialog: counted, closed
        const QList<QLineEdit*> fields = w.findChildren<QLineEdit*>();
        EXPECT_EQ((fields[0]->text() + " x " + fields[1]->text()).toStdString(), rounds[round][3]);
        EXPECT_TRUE(SettingsDialogOpen == 1 && !std::filesystem::exists(file));
        EXPECT_EQ(w.size(), QSize(240, 197)); // 160 x 121 dialog units of 6 / 4 x 13 / 8 pixels
        Choose(MENU_SETTINGS);                // refused while this one is open
        // The main window takes real input meanwhile, and a click its canvas the
        // focus; active again, the dialog gives the focus back to the field that
        // had it, though its own focus moved meanwhile.
        QTest::mouseClick(fields[1], Qt::LeftButton);
        QTest::mouseClick(bar->window()->windowHandle(), Qt::LeftButton, {}, QPoint(300, 300));
        EXPECT_TRUE(QTest::qWaitFor([&] { return GetFocusControl() == session.Canvas(); }, 3000));
        fields[0]->setFocus();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return fields[1]->hasFocus(); }, 3000));
        std::for_each(fields.begin(), fields.end(), [](QLineEdit* field) { field->clear(); });
        QTest::keyClicks(fields[0], rounds[round][0]);
        QGuiApplication::clipboard()->setText(rounds[round][1]);
        QTest::keyClick(fields[1], Qt::Key_V, Qt::ControlModifier);
        QTest::keySequence(w.windowHandle(), QKeySequence(Qt::Key_Return, Qt::Key_Escape));
        if (rounds[round][2] == std::string("close")) return (void)w.close();
        QTest::mouseClick(w.findChild<QPushButton*>(), Qt::LeftButton);
    };
    Run([&] {
        for (; round < std::size(rounds); ++round) {
            Choose(MENU_SETTINGS);
            BlockSizeSettings(SETTINGS_ACTION_GET); // 3 x 3 if nothing was stored
            std::filesystem::remove(file);
        }
    });
    EXPECT_EQ(seen.size(), std::size(rounds)) << "one dialog a round";
}

// A tool acts only where the window shows the canvas, as it is at each message: in a window
// made smaller, strokes dragged out through its bottom and right edges paint nothing beyond
// them. (Where the window's edge cuts the canvas, with blocks, keys and drags, the canvas's
// unit test holds it against its model.)
struct LargeImage : App {
    void SetUp() override { session.Open(500, 500, RandomPicture(500, 500, 52)); }
};
TEST_F(LargeImage, ToolsActOnlyWhereTheWindowShowsTheCanvas) {
    Run([&] {
        QWidget* window = bar->window();
        QWidget* canvas = window->childAt(window->width() / 2, window->height() / 2);
        const auto at = [&](int x, int y) { return canvas->mapTo(window, QPoint(x, y)); };
        const auto stroke = [&](std::uint32_t mode, int x, int y, int toX, int toY) {
            session.Command(mode);
            QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at(x, y));
            QTest::mouseMove(window->windowHandle(), at(toX, toY));
            QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at(toX, toY));
        };
        const auto check = [&](int i, int j, bool painted) { // image pixel (i, j)
            EXPECT_EQ(ReadSurfaceArea(Editing().ImageBitmap, i, j, 1, 1)[0] ==
                          TRANSPARENT_KEY_COLOUR,
                      painted)
                << i << ", " << j;
        };
        window->resize(600, 400);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(600, 400); }, 3000));
        // The first canvas column and row that the window does not show.
        const int right = 600 - at(0, 0).x(), bottom = 400 - at(0, 0).y();
        stroke(CmdModeTransparent, 155, bottom - 12, 155, bottom + 2);
        check(15, (bottom - 12) / 10, true), check(15, (bottom + 2) / 10, false);
        stroke(CmdModeTransparent, right - 12, 105, right + 2, 105);
        check((right - 12) / 10, 10, true), check((right + 2) / 10, 10, false);
    });
}

// The main window closed while the settings dialog, a box or a chooser runs
// inside its run: that window is still answered, and the main window's run
// ends once it is over (the watchdog would find it left open otherwise).
struct ClosedDuring : App, testing::WithParamInterface<const char*> {};
TEST_P(ClosedDuring, AnInnerRunTheMainRunEndsAfterIt) {
    Answering(
        [&](QWidget& w) {
            if (w.windowTitle() != MAIN_WINDOW_TITLE) {
                seen.push_back(w.windowTitle().toStdString());
                bar->window()->close();
                return (void)w.close();
            }
            Describe((bar = w.findChild<QMenuBar*>())->actions());
            Choose(GetParam());
        },
        [] { RunModal(Editing().MainWindow, CommandHandler, nullptr); });
    EXPECT_EQ(seen.size(), 1u);
}
INSTANTIATE_TEST_SUITE_P(App, ClosedDuring, testing::Values(MENU_SETTINGS, MENU_ABOUT, MENU_SAVE));
