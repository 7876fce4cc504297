// "Tours and Sectors Setup" on the console's fake line: the operator's
// controls and what they send, the opening query chain, the tour grid,
// Dome.dat on opening and closing.
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "DomeFile.h"
#include "PictureButton.h"
#include "ToursSectorsDialog.h"
#include "TourGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <sstream>

using Bytes = FakeLine::Bytes;
using Texts = std::vector<std::string>;

namespace {
ConsoleSettings Dome()
{
    ConsoleSettings s;
    s.receiverType = 5;
    s.cameraType = 3;
    return s;
}

Bytes Reply(const std::string& text)
{
    Bytes f{0xF8, 0x01};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(0x80);
    return f;
}

std::string Codes(std::initializer_list<int> codes)
{
    std::string s;
    for (int c : codes)
        s += static_cast<char>(c);
    return s;
}

// The console's own dialog, opened as the console opens it, shown and active.
struct ToursFixture {
    explicit ToursFixture(bool open = true)
    {
        Settle(t);
        dialog = &t.console->toursSectorsDialog();
        t.console->RegisterReplyWindow(ReplyWindow::ToursSectors, dialog);
        if (open)
            Open();
    }
    ~ToursFixture()
    {
        dialog->done(QDialog::Accepted);
        t.console->RegisterReplyWindow(ReplyWindow::ToursSectors, nullptr);
    }
    void Open()
    {
        dialog->Open();
        dialog->show();
        QApplication::setActiveWindow(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    // The opening chain with no dome answering.
    void PastOpening() { Sent(700); }
    // Texts written in the next ms milliseconds, each acknowledged at once.
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }
    void Answer(const std::string& text) { t.line.Inject(Reply(text)); }
    // Texts written in the next ms milliseconds, each acknowledged at once
    // and answered from the table when it holds an answer.
    Texts Walk(uint32_t ms, const std::map<std::string, std::string>& answers)
    {
        return Walk(ms, [&answers](const std::string& q) {
            auto a = answers.find(q);
            return a == answers.end() ? std::string() : a->second;
        });
    }
    Texts Walk(uint32_t ms, const std::function<std::string(const std::string&)>& answer,
               const std::function<void()>& each = {})
    {
        Texts out;
        size_t seen = t.line.written.size();
        for (uint32_t i = 0; i < ms; ++i) {
            t.clock.Advance(1);
            for (; seen < t.line.written.size(); ++seen) {
                const Bytes f = t.line.written[seen];
                if (f.size() <= 2)
                    continue; // the console's own acknowledgements
                out.emplace_back(f.begin() + 2, f.end() - 1);
                t.line.Inject({0x06});
                if (const std::string a = answer(out.back()); !a.empty())
                    Answer(a);
            }
            if (each)
                each();
        }
        t.line.written.clear();
        return out;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    template <class T> T* Find(const char* name) { return dialog->findChild<T*>(QString::fromLatin1(name)); }
    TourGrid& Grid() { return *Find<TourGrid>("TourGrid"); }
    std::string Cell(int row, int column) { return Grid().CellText(row, column).toStdString(); }
    // Clicks the cell, types over it and ends the edit with Enter.
    void TypeIntoCell(int row, int column, const std::string& text)
    {
        TourGrid& g = Grid();
        g.scrollToItem(g.item(row - 1, column - 1));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.visualItemRect(g.item(row - 1, column - 1)).center());
        for (char c : text)
            QTest::keyClick(QApplication::focusWidget(), c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The grid takes the edit once the event loop runs.
        QApplication::processEvents();
    }
    std::string DomeFile() { return t.data.FilePath("Dome.dat"); }

    TestConsole t{Dome()};
    ToursSectorsDialog* dialog = nullptr;
};
} // namespace

TEST(ToursSectorsDialog, ControlsSendTheirCommands)
{
    struct Case {
        const char* control;
        int sector, zone;
        Texts sent;
    } cases[] = {
        {"SectorSetLeftLimit", 16, 1, {"*SL" + Codes({64}) + "L"}},
        {"SectorSetRightLimit", 10, 1, {"*SL:R"}},
        {"ZoneSetRightLimit", 1, 8, {"*PL8R"}},
        {"ZoneSetLeftLimit", 1, 3, {"*PL3L"}},
        {"SectorEnable", 2, 1, {"dSS20"}},
        {"ZoneEnable", 1, 5, {"*PS50"}},
        {"StopTouring", 1, 1, {}}, // disabled until touring
        {"StartTouring", 1, 1, {"*TS11"}},
    };
    for (const Case& c : cases) {
        ToursFixture f;
        f.PastOpening();
        f.Find<QSpinBox>("SectorNumber")->setValue(c.sector);
        f.Find<QSpinBox>("ZoneNumber")->setValue(c.zone);
        f.Click(c.control);
        // A limit waits for the dome's reply; the time-out lets the next go.
        EXPECT_EQ(f.Sent(150), c.sent) << c.control;
    }
}

TEST(ToursSectorsDialog, SendIdPadsTheTitleAndTakesWhatWasTyped)
{
    ToursFixture f;
    f.PastOpening();
    auto* title = f.Find<QLineEdit>("SectorTitle");
    EXPECT_EQ(title->text().toStdString(), "Sector 01 ID text") << "no Dome.dat: each sector's own title";
    title->clear();
    f.Click("SendID");
    EXPECT_EQ(f.Sent(150), Texts{"dST1" + std::string(24, ' ')});
    EXPECT_TRUE(f.dialog->changed()) << "the title was emptied";
    f.Find<QSpinBox>("SectorNumber")->setValue(12);
    EXPECT_EQ(title->text().toStdString(), "Sector 12 ID text");
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "North gate");
    f.Click("SendID");
    EXPECT_EQ(f.Sent(150), Texts{"dST<North gate" + std::string(14, ' ')});
    EXPECT_EQ(f.dialog->dome().sectors[11].title, "North gate");
    EXPECT_EQ(f.dialog->dome().sectors[0].title, "");
}

TEST(ToursSectorsDialog, NumberBoxesTakeZeroWithoutLeavingTheCurrentSector)
{
    ToursFixture f;
    f.PastOpening();
    auto* sector = f.Find<QSpinBox>("SectorNumber");
    sector->setValue(4);
    sector->setFocus();
    sector->selectAll();
    QTest::keyClick(sector, '0');
    EXPECT_EQ(f.dialog->currentSector(), 4) << "0 in the box is no sector";
    QTest::keyClick(sector, Qt::Key_Down);
    EXPECT_EQ(sector->value(), 1) << "the arrows stay between 1 and 16";
    sector->setValue(16);
    QTest::keyClick(sector, Qt::Key_Up);
    EXPECT_EQ(sector->value(), 16);
    // Enter and Escape move on like Tab and leave the dialog open.
    QTest::keyClick(sector, Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(sector->hasFocus());
    EXPECT_TRUE(f.dialog->isVisible());
}

TEST(ToursSectorsDialog, DeletesAskFirstWithTheirWarnings)
{
    struct Case {
        const char* control;
        const char* text;
        std::string command;
    } cases[] = {
        {"DeleteSector",
         "WARNING!!--This action will erase this current sector's limit data \n"
         "The sector will be deleted - Do you really want to delete this sector?",
         "*SC?"},
        {"DeleteAllSectors",
         "WARNING!!--This action will erase all sectors' limit data \n"
         "All sectors will be deleted - Do you really want to delete all sectors?",
         "*SC0"},
        {"DeleteZone",
         "WARNING!!--This action will erase this current privacy's limit data \n"
         "The privacy zone will be deleted - Do you really want to delete this privacy zone?",
         "*PC7"},
        {"DeleteAllZones",
         "WARNING!!--This action will erase all privacy zones' limit data \n"
         "All privacy zones will be deleted - Do you really want to delete all privacy zones?",
         "*PC0"},
    };
    for (const Case& c : cases) {
        ToursFixture f;
        f.PastOpening();
        f.Find<QSpinBox>("SectorNumber")->setValue(15);
        f.Find<QSpinBox>("ZoneNumber")->setValue(7);
        f.t.prompter.answers = {MessageAnswer::No, MessageAnswer::Yes};
        f.Click(c.control);
        EXPECT_TRUE(f.Sent(150).empty()) << c.control << ": No sends nothing";
        f.Click(c.control);
        EXPECT_EQ(f.Sent(150), Texts{c.command}) << c.control;
        ASSERT_EQ(f.t.prompter.shown.size(), 2u);
        EXPECT_EQ(f.t.prompter.shown[0].text, c.text);
        EXPECT_EQ(f.t.prompter.shown[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(f.t.prompter.shown[0].icon, MessageIcon::Stop);
    }
    // Unscripted, the box's default is No.
    ToursFixture f;
    f.PastOpening();
    f.Click("DeleteAllSectors");
    EXPECT_TRUE(f.Sent(150).empty());
}

TEST(ToursSectorsDialog, JogButtonsSendWhileHeldAndPanEndsATour)
{
    ToursFixture f;
    f.PastOpening();
    f.Click("StartTouring");
    EXPECT_EQ(f.Sent(150), Texts{"*TS11"});
    EXPECT_FALSE(f.Find<QWidget>("StartTouring")->isEnabled());
    struct Case {
        const char* button;
        const char *press, *release;
    } cases[] = {{"TiltUp", "TU", "TS"},  {"TiltDown", "TD", "TS"},   {"ZoomIn", "ZI", "ZS"},
                 {"ZoomOut", "ZO", "ZS"}, {"FocusNear", "FN", "FS"}, {"FocusFar", "FF", "FS"},
                 {"PanLeft", "PL", "PS"}, {"PanRight", "PR", "PS"}};
    for (const Case& c : cases) {
        auto* button = f.Find<PictureButton>(c.button);
        ASSERT_NE(button, nullptr) << c.button;
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(button->pictureState(), PictureState::Down) << c.button;
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-300, -300));
        EXPECT_EQ(f.Sent(250), (Texts{c.press, c.release})) << c.button;
    }
    EXPECT_TRUE(f.Find<QWidget>("StartTouring")->isEnabled()) << "panning ends the tour";
    EXPECT_FALSE(f.Find<QWidget>("StopTouring")->isEnabled());
}

TEST(ToursSectorsDialog, TheOpeningChainWalksTheDomeAndFillsTheGrid)
{
    ToursFixture f;
    // Values 0 (code 16) and -1 (code 15) leave their cells empty.
    const std::map<std::string, std::string> dome = {
        {"*Ts1", "*TS11"},
        {"cdSs1", "dSS;1"},
        {"cdSS;", "dST;" + std::string(24, 'n')},
        {"*Ps1", "*PS11"},
        {"*Tp1", "*TP1" + Codes({17, 16, 15, 80, 26}) + std::string(27, '\x10')},
        {"*Td1", "*TD1" + Codes({26, 76}) + std::string(30, '\x10')},
    };
    EXPECT_EQ(f.Walk(3000, dome), (Texts{"*Ts1", "cdSs1", "cdSS;", "*Ps1", "*Tp1", "*Td1"}));
    EXPECT_EQ(f.dialog->reportedSector(), 11);
    EXPECT_FALSE(f.Find<QWidget>("StartTouring")->isEnabled()) << "the dome's tour runs";
    EXPECT_TRUE(f.Find<QWidget>("StopTouring")->isEnabled());
    EXPECT_EQ(f.Cell(1, 1), "1");
    EXPECT_EQ(f.Cell(2, 1), "");
    EXPECT_EQ(f.Cell(3, 1), "");
    EXPECT_EQ(f.Cell(4, 1), "64");
    EXPECT_EQ(f.Cell(5, 1), "10");
    EXPECT_EQ(f.Cell(1, 2), "10");
    EXPECT_EQ(f.Cell(2, 2), "60");
    EXPECT_EQ(f.Cell(3, 2), "");
    EXPECT_FALSE(f.dialog->changed()) << "the dome's answers are not edits";
    EXPECT_EQ(f.Find<QLineEdit>("SectorTitle")->text().toStdString(), "Sector 01 ID text") << "titles are not shown";
}

TEST(ToursSectorsDialog, ASilentDomeHoldsEachQueryForTheTimeOutOnly)
{
    ToursFixture f;
    // Nothing acknowledges: each command waits for the 2 s time-out.
    f.t.clock.Advance(110);
    ASSERT_EQ(f.t.line.written.size(), 1u);
    f.t.clock.Advance(1950);
    EXPECT_EQ(f.t.line.written.size(), 1u);
    f.t.clock.Advance(200);
    EXPECT_EQ(f.t.line.written.size(), 2u) << "cdSs1 after the time-out";
}

TEST(ToursSectorsDialog, GridEditsOutsideTheirColumnsRangeAreRefused)
{
    struct Case {
        int column;
        const char* typed;
        std::string shown;
        int stored;
    } cases[] = {
        {1, "65", "7", 7},  {2, "61", "7", 7},    {1, "64", "64", 64}, {2, "60", "60", 60},
        {1, "abc", "abc", 0}, {2, "12s", "12s", 12}, {1, "-1", "7", 7},
    };
    for (const Case& c : cases) {
        ToursFixture f;
        f.PastOpening();
        f.TypeIntoCell(3, c.column, "7");
        ASSERT_EQ(f.Cell(3, c.column), "7");
        f.TypeIntoCell(3, c.column, c.typed);
        EXPECT_EQ(f.Cell(3, c.column), c.shown) << c.typed;
        const TourStep& step = f.dialog->dome().tours[0].steps[2];
        EXPECT_EQ(c.column == 1 ? step.preset : step.dwell, c.stored) << c.typed;
        EXPECT_TRUE(f.dialog->changed());
    }
}

TEST(ToursSectorsDialog, UploadTourSendsPresetsAndDwellsAsCharacters)
{
    ToursFixture f;
    f.PastOpening();
    for (int step = 1; step <= 3; ++step) {
        f.TypeIntoCell(step, 1, std::to_string(step));
        f.TypeIntoCell(step, 2, std::to_string(step * 10));
    }
    f.TypeIntoCell(5, 2, "40"); // a dwell without a preset is emptied
    f.Click("UploadTour");
    EXPECT_EQ(f.Sent(300), (Texts{"*TP1" + Codes({17, 18, 19}) + std::string(30, '\x10'),
                                  "*TD1" + Codes({26, 36, 46}) + std::string(30, '\x10')}));
    EXPECT_EQ(f.Cell(5, 2), "");
    EXPECT_EQ(f.dialog->dome().tours[0].steps[1].dwell, 20);
    EXPECT_TRUE(f.t.prompter.shown.empty());

    // A preset without its dwell: the message, the focus on that cell, nothing sent.
    f.TypeIntoCell(7, 1, "9");
    f.Click("UploadTour");
    ASSERT_EQ(f.t.prompter.shown.size(), 1u);
    EXPECT_EQ(f.t.prompter.shown[0].text, "Please provide a dwell time");
    EXPECT_EQ(f.t.prompter.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(f.Grid().focusRow(), 7);
    EXPECT_EQ(f.Grid().focusColumn(), 2);
    EXPECT_EQ(f.Grid().selectedItems().size(), 1);
    EXPECT_TRUE(f.Sent(300).empty());
}

TEST(ToursSectorsDialog, SetAllDwellsAndClearAllData)
{
    ToursFixture f;
    f.PastOpening();
    f.TypeIntoCell(1, 1, "4");
    f.TypeIntoCell(2, 1, "5");
    f.TypeIntoCell(4, 1, "6");
    // The focus cell must be a dwell with text.
    f.TypeIntoCell(1, 2, "");
    f.Click("SetAllDwells");
    EXPECT_EQ(f.Cell(2, 2), "");
    f.TypeIntoCell(1, 2, "15");
    f.Grid().SetFocusCell(1, 2);
    f.Click("SetAllDwells");
    EXPECT_EQ(f.Cell(2, 2), "15");
    EXPECT_EQ(f.Cell(4, 2), "15");
    EXPECT_EQ(f.Cell(3, 2), "") << "no preset, no dwell";
    EXPECT_EQ(f.dialog->dome().tours[0].steps[3].dwell, 15);
    EXPECT_TRUE(f.Sent(300).empty()) << "Set All Dwells sends nothing";

    f.Click("ClearAllData");
    EXPECT_EQ(f.Sent(150), Texts{"*TC1"});
    EXPECT_EQ(f.Cell(1, 1), "");
    EXPECT_EQ(f.Cell(4, 2), "");
    EXPECT_EQ(f.dialog->dome().tours[0].steps[3].preset, 0);
}

TEST(ToursSectorsDialog, ChoosingATourKeepsTheChangedGridAndAsksForTheNewOne)
{
    ToursFixture f;
    f.PastOpening();
    f.TypeIntoCell(2, 1, "33");
    auto* list = f.Find<QListWidget>("TourList");
    list->setCurrentRow(2);
    EXPECT_EQ(f.dialog->tourIndex(), 2);
    EXPECT_EQ(f.dialog->dome().tours[0].steps[1].preset, 33);
    EXPECT_EQ(f.Cell(2, 1), "") << "the grid shows the new tour's own steps";
    EXPECT_EQ(f.Sent(150), Texts{"*Ts3"});
    EXPECT_TRUE(f.Find<QWidget>("StartTouring")->isEnabled());
    EXPECT_EQ(f.Sent(500), Texts{"*Tp3"}) << "its steps half a second later";
    list->setCurrentRow(0);
    EXPECT_EQ(f.Cell(2, 1), "33");
}

TEST(ToursSectorsDialog, ClosingSavesDomeDatOnlyWhenChangedAndAsked)
{
    {
        ToursFixture f;
        f.PastOpening();
        f.Click("Close");
        EXPECT_TRUE(f.t.prompter.shown.empty()) << "nothing changed, nothing asked";
        EXPECT_FALSE(std::filesystem::exists(f.DomeFile()));
    }
    ToursFixture f;
    f.PastOpening();
    f.Find<QSpinBox>("SectorNumber")->setValue(5);
    auto* title = f.Find<QLineEdit>("SectorTitle");
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "Loading bay");
    f.TypeIntoCell(1, 1, "12");
    f.t.prompter.answers = {MessageAnswer::No};
    f.Click("Close");
    ASSERT_EQ(f.t.prompter.shown.size(), 1u);
    EXPECT_EQ(f.t.prompter.shown[0].text, "Save configuration changes?");
    EXPECT_FALSE(std::filesystem::exists(f.DomeFile())) << "No writes nothing";

    // Without a Dome.dat the next opening starts from the defaults again.
    f.Open();
    f.PastOpening();
    EXPECT_EQ(f.dialog->currentSector(), 5) << "the current sector survives";
    EXPECT_EQ(title->text().toStdString(), "Sector 05 ID text");
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "Loading bay");
    f.TypeIntoCell(1, 1, "12");
    f.t.prompter.answers = {MessageAnswer::Yes};
    f.dialog->close(); // the close box asks too
    EXPECT_EQ(f.t.prompter.shown.back().text, "Save configuration changes?");
    DomeData saved;
    ASSERT_EQ(LoadDomeFile(f.DomeFile(), saved), DomeRead::Read);
    EXPECT_EQ(saved.sectors[4].title, "Loading bay");
    EXPECT_EQ(saved.sectors[0].title, "Sector 01 ID text");
    EXPECT_EQ(saved.tours[0].steps[0].preset, 12);
    EXPECT_FALSE(std::filesystem::exists(f.DomeFile() + ".new"));
}

TEST(ToursSectorsDialog, OpeningReadsDomeDatAndMendsNothingFromABrokenOne)
{
    DomeData data = DefaultDomeData();
    data.sectors[0].title = "Front door";
    data.tours[0].steps[0] = {7, 25};
    const std::vector<uint8_t> good = SerializeDomeData(data);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* title;
        const char* preset;
    } cases[] = {
        {"a good file", good, "Front door", "7"},
        {"a short file", std::vector<uint8_t>(good.begin(), good.end() - 1), "Sector 01 ID text", ""},
        {"a title past the end", {1, 0, 0, 0, 0, 0, 0, 0, 255, 0xF0, 0xFF, 'x'}, "Sector 01 ID text", ""},
        {"a 32-bit title length", {1, 0, 0, 0, 0, 0, 0, 0, 255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, "Sector 01 ID text", ""},
    };
    for (const Case& c : cases) {
        ToursFixture f(false);
        std::ofstream(f.DomeFile(), std::ios::binary)
            .write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
        f.Open();
        EXPECT_EQ(f.Find<QLineEdit>("SectorTitle")->text().toStdString(), c.title) << c.what;
        EXPECT_EQ(f.Cell(1, 1), c.preset) << c.what;
        EXPECT_TRUE(f.t.prompter.shown.empty()) << c.what << ": says nothing";
    }
    // Another version: the records keep what they held before.
    ToursFixture f(false);
    std::ofstream(f.DomeFile(), std::ios::binary)
        .write(reinterpret_cast<const char*>(good.data()), static_cast<std::streamsize>(good.size()));
    f.Open();
    f.dialog->done(QDialog::Accepted);
    std::vector<uint8_t> other = good;
    other[0] = 2;
    other[10] = 'X'; // would be the first title's first character
    std::ofstream(f.DomeFile(), std::ios::binary)
        .write(reinterpret_cast<const char*>(other.data()), static_cast<std::streamsize>(other.size()));
    f.Open();
    EXPECT_EQ(f.Find<QLineEdit>("SectorTitle")->text().toStdString(), "Front door");
}

TEST(ToursSectorsDialog, TheConsoleRoutesItsRepliesWhileItRuns)
{
    TestConsole t(Dome());
    Settle(t);
    t.console->EnqueueCommand("L?", 500); // waits in the console's queue
    bool routed = false;
    t.modal.steps.push_back([&](QDialog& d) {
        EXPECT_EQ(&d, &t.console->toursSectorsDialog());
        t.clock.Advance(150);
        EXPECT_EQ(TextsOf(Follow(t, 0, true)), Texts{"*Ts1"}) << "the console's waiting command was dropped";
        t.line.Inject(Reply("*TS11"));
        routed = !d.findChild<QWidget*>(QStringLiteral("StartTouring"))->isEnabled();
        return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(t.console->control(ConsoleControl::TourSetup), Qt::LeftButton);
    EXPECT_TRUE(routed);
    EXPECT_EQ(t.modal.titles, Texts{"Tours and Sectors Setup"});
    // Closed: a 'd' reply is the console's preset name again.
    t.line.Inject(Reply("dS" + Codes({16}) + "Entrance"));
    auto* presets = static_cast<QComboBox*>(t.console->control(ConsoleControl::PresetList));
    EXPECT_EQ(presets->itemText(0).trimmed().toStdString(), "Entrance");
}

TEST(TourGrid, ThreeColumnsByThirtyThreeRowsWithFixedHeadersAndTintedEvenRows)
{
    TourGrid grid;
    EXPECT_EQ(grid.rowCount() + 1, TourGrid::kRows);
    EXPECT_EQ(grid.columnCount() + 1, TourGrid::kColumns);
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text().toStdString(), "Preset");
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text().toStdString(), "Dwell");
    EXPECT_EQ(grid.verticalHeaderItem(0)->text().toStdString(), "1");
    EXPECT_EQ(grid.verticalHeaderItem(31)->text().toStdString(), "32");
    EXPECT_EQ(grid.verticalHeader()->width(), 30);
    EXPECT_EQ(grid.columnWidth(0), 50);
    EXPECT_EQ(grid.columnWidth(1), 50);
    for (int row = 1; row <= 32; ++row)
        for (int column = 1; column <= 2; ++column) {
            const QColor shown = grid.item(row - 1, column - 1)->background().color();
            EXPECT_EQ(shown == QColor(228, 244, 232), row % 2 == 0) << row << "," << column;
        }
    // Outside the editable cells: nothing read, nothing taken.
    grid.SetCellText(0, 1, QStringLiteral("x"));
    grid.SetCellText(33, 1, QStringLiteral("x"));
    EXPECT_EQ(grid.CellText(33, 1).toStdString(), "");
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text().toStdString(), "Preset");
    grid.SetFocusCell(5, 2);
    EXPECT_EQ(grid.focusRow(), 5);
    EXPECT_EQ(grid.focusColumn(), 2);
    EXPECT_EQ(grid.selectedItems().size(), 1);
}

namespace {
std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(ToursSectorsDialog, DownloadWritesOneLinePerReplyAndTheBarMoves)
{
    ToursFixture f;
    f.PastOpening();
    const std::string file = f.t.data.FilePath("Cam001.dat");
    f.t.prompter.answers = {MessageAnswer::No};
    f.Click("DownLoad");
    EXPECT_EQ(f.t.prompter.shown.back().text, "Continue to Download? The old file will be overwritten.");
    EXPECT_TRUE(f.Sent(300).empty()) << "No: nothing asked of the dome";
    EXPECT_FALSE(std::filesystem::exists(file));

    f.t.prompter.answers = {MessageAnswer::Yes};
    f.Click("DownLoad");
    EXPECT_TRUE(f.t.console->replyFlags().downloadActive);
    EXPECT_FALSE(f.Find<QWidget>("DownLoad")->isEnabled());
    auto* bar = f.Find<QProgressBar>("Progress");
    std::vector<int> seen;
    // Every reply is a line, whatever it says; a byte of 127 or more ends it.
    const Texts queries = f.Walk(60000, [](const std::string& q) { return "*A" + q + "\x7F" + "tail"; },
                                 [&] { if (seen.empty() || seen.back() != bar->value()) seen.push_back(bar->value()); });
    ASSERT_EQ(queries.size(), 222u);
    EXPECT_EQ(queries.front(), "*Sl1");
    EXPECT_EQ(queries.back(), "*pp" + Codes({112}));
    const std::vector<std::string> lines = Lines(FileText(file));
    ASSERT_EQ(lines.size(), 222u);
    EXPECT_EQ(lines[0], "*A*Sl1");
    EXPECT_EQ(lines[221], "*A*pp" + Codes({112}));
    EXPECT_FALSE(f.t.console->replyFlags().downloadActive);
    EXPECT_TRUE(f.Find<QWidget>("DownLoad")->isEnabled());
    EXPECT_GT(seen.size(), 100u) << "the bar moves with each answer";
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(f.t.prompter.shown.size(), 2u);
}

TEST(ToursSectorsDialog, ClosingDuringADownloadEndsItAndKeepsTheOldFile)
{
    ToursFixture f;
    f.PastOpening();
    const std::string file = f.t.data.FilePath("Cam001.dat");
    std::ofstream(file) << "*SL140964096\n";
    f.t.prompter.answers = {MessageAnswer::Yes};
    f.Click("DownLoad");
    f.Walk(1000, [](const std::string& q) { return q.size() > 3 && q[3] < '5' ? "*B" + q : std::string(); });
    EXPECT_TRUE(f.t.console->replyFlags().downloadActive) << "waits for the fifth sector's answer";
    f.Click("Close");
    EXPECT_FALSE(f.t.console->replyFlags().downloadActive);
    EXPECT_FALSE(f.dialog->downloading());
    EXPECT_EQ(FileText(file), "*SL140964096\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".new"));
}

TEST(ToursSectorsDialog, UnopenableFilesAreReported)
{
    ToursFixture f;
    f.PastOpening();
    // A file stands where the data folder was.
    std::filesystem::remove_all(f.t.data.path());
    std::ofstream(f.t.data.path()) << "not a folder";
    f.t.prompter.answers = {MessageAnswer::Yes};
    f.Click("DownLoad");
    EXPECT_EQ(f.t.prompter.shown.back().text, "Unable to open file");
    EXPECT_EQ(f.t.prompter.shown.back().icon, MessageIcon::Warning);
    EXPECT_FALSE(f.t.console->replyFlags().downloadActive);
    f.Click("UpLoad");
    EXPECT_EQ(f.t.prompter.shown.back().text, "Unable to open file") << "no Cam001.dat to send";
    EXPECT_TRUE(f.Sent(500).empty());
}

TEST(ToursSectorsDialog, UploadSendsALineEvery200MsStraightToTheLine)
{
    ToursFixture f;
    f.PastOpening();
    f.t.console->link().SetCameraAddress(5);
    std::ofstream(f.t.data.FilePath("Cam005.dat"), std::ios::binary)
        << "*SL140964096\n" << std::string(70, 'x') << "\n" << "dST1Gate" << std::string(20, ' ') << "\n*TS10";
    f.Click("UpLoad");
    EXPECT_FALSE(f.Find<QWidget>("UpLoad")->isEnabled());
    f.t.console->link().linkReady = false; // sent without waiting for the line
    const FrameTimeline sent = Follow(f.t, 1000);
    ASSERT_EQ(sent.size(), 3u) << "the overlong line is not sent";
    EXPECT_EQ(sent[0], (std::pair<uint32_t, std::string>{200, "*SL140964096"}));
    EXPECT_EQ(sent[1], (std::pair<uint32_t, std::string>{600, "dST1Gate" + std::string(20, ' ')}));
    EXPECT_EQ(sent[2], (std::pair<uint32_t, std::string>{800, "*TS10"}));
    EXPECT_EQ(f.Find<QProgressBar>("Progress")->value(), 1000);
    EXPECT_TRUE(f.Find<QWidget>("UpLoad")->isEnabled());
    EXPECT_FALSE(f.dialog->uploading());
}
