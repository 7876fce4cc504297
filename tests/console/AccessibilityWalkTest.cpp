// Every window of the program, walked for controls a screen reader could
// not name: each button, box, list, field, slider and view carries an
// accessible name, and a list is named after its caption, not its entry.
#include "AboutBox.h"
#include "AzimuthDialog.h"
#include "CameraIdDialog.h"
#include "CommentDialog.h"
#include "ConsoleControlIds.h"
#include "ConsoleTimeline.h"
#include "DayNightPanel.h"
#include "Dsp7100Panel.h"
#include "Dsp723xPanel.h"
#include "Dsp7440Panel.h"
#include "Dsp8270Panel.h"
#include "FindAddressDialog.h"
#include "HiDefPanel.h"
#include "IlluminatorPanel.h"
#include "Lens55xFactoryPanel.h"
#include "Lens55xPanel.h"
#include "LensMaintenancePanel.h"
#include "OtherMaintenancePanel.h"
#include "PlaceholderDialog.h"
#include "PrivacyZoneDialog.h"
#include "PtModuleDialog.h"
#include "ThermalPanel.h"
#include "ThermalPanel2.h"
#include "TourSetupDialog.h"
#include "ToursSectorsDialog.h"
#include "TrafficHistoryWindow.h"
#include "WashPanel.h"
#include "WipePanel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The controls the operator works, as opposed to the parts a control is
// built of (a box's inner field, a list's pop-up, a view's scroll bars).
bool IsControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w)) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w);
}

bool IsPartOfAControl(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (IsControl(p) || qobject_cast<const QTabBar*>(p) || qobject_cast<const QScrollBar*>(p))
            return true;
    return false;
}

// What a screen reader announces for the control.
QString SpokenName(QWidget* w)
{
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    // A button with a caption is announced by it.
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text().remove(QLatin1Char('&')).trimmed();
    return {};
}

// One line for every control of the window without a proper name.
std::vector<std::string> NamingFaults(QWidget& window)
{
    std::vector<std::string> faults;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!IsControl(w) || IsPartOfAControl(w, &window))
            continue;
        const std::string who = (w->objectName().isEmpty() ? std::string("(unnamed object)")
                                                           : w->objectName().toStdString()) +
                                " (" + w->metaObject()->className() + ")";
        const QString name = SpokenName(w);
        if (name.trimmed().isEmpty()) {
            faults.push_back(who + " has no accessible name");
            continue;
        }
        // A field with a label for it is named after the label.
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy() == w) {
                const QString caption = label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed();
                if (!caption.isEmpty() && !name.contains(caption, Qt::CaseInsensitive))
                    faults.push_back(who + " is named \"" + name.toStdString() + "\", not after its label \"" +
                                     caption.toStdString() + "\"");
            }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                if (list->itemText(i) == name) {
                    faults.push_back(who + " is named after its entry \"" + name.toStdString() + "\"");
                    break;
                }
        }
    }
    return faults;
}

void ExpectNamed(QWidget& window, const std::string& what)
{
    const QList<QWidget*> all = window.findChildren<QWidget*>();
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), IsControl)) << what << ": no control to walk";
    for (const std::string& fault : NamingFaults(window))
        ADD_FAILURE() << what << " (" << window.windowTitle().toStdString() << "): " << fault;
}

template <class Panel> void WalkPanel(TestConsole& t, const char* what)
{
    Panel panel(*t.console, t.console.get());
    panel.Open();
    ExpectNamed(panel, what);
    panel.done(0);
}

} // namespace

// The walk itself finds what it must: a list named after its entry, an
// unnamed field and a picture-less button without a caption.
TEST(AccessibilityWalk, FindsUnnamedControls)
{
    QWidget window;
    auto* v = new QVBoxLayout(&window);
    auto* named = new QComboBox(&window);
    named->addItems({QStringLiteral("Low"), QStringLiteral("High")});
    named->setAccessibleName(QStringLiteral("Light Level"));
    auto* byEntry = new QComboBox(&window);
    byEntry->setObjectName(QStringLiteral("ByEntry"));
    byEntry->addItems({QStringLiteral("Low"), QStringLiteral("High")});
    byEntry->setAccessibleName(QStringLiteral("Low"));
    auto* field = new QLineEdit(&window);
    field->setObjectName(QStringLiteral("Field"));
    auto* button = new QPushButton(&window);
    button->setObjectName(QStringLiteral("Blank"));
    auto* captioned = new QPushButton(QStringLiteral("&Close"), &window);
    for (QWidget* w : {static_cast<QWidget*>(named), static_cast<QWidget*>(byEntry), static_cast<QWidget*>(field),
                       static_cast<QWidget*>(button), static_cast<QWidget*>(captioned)})
        v->addWidget(w);
    const std::vector<std::string> faults = NamingFaults(window);
    EXPECT_EQ(faults, (std::vector<std::string>{"ByEntry (QComboBox) is named after its entry \"Low\"",
                                                 "Field (QLineEdit) has no accessible name",
                                                 "Blank (QPushButton) has no accessible name"}));
}

TEST(AccessibilityWalk, ConsoleForEachKindOfReceiver)
{
    struct Case {
        const char* what;
        int rx, cam;
    } cases[] = {{"console rx 5", 5, 3}, {"console rx 1", 1, 0}, {"console rx 12", 12, 8}};
    for (const Case& c : cases) {
        ConsoleSettings s;
        s.receiverType = c.rx;
        s.cameraType = c.cam;
        TestConsole t(s);
        t.console->show();
        ExpectNamed(*t.console, c.what);
    }
}

// Setup as the operator opens it from the console, and the maintenance
// dialogs it opens over itself.
TEST(AccessibilityWalk, SetupAndItsDialogs)
{
    ConsoleSettings s;
    s.receiverType = 12; // both maintenance buttons enabled
    s.cameraType = 8;
    TestConsole t(s);
    t.console->show();
    Settle(t);
    int walked = 0;
    auto walkNested = [&t, &walked](const char* what) {
        t.modal.steps.push_back([&walked, what](QDialog& d) {
            ExpectNamed(d, what);
            ++walked;
            return int(QDialog::Rejected);
        });
    };
    t.modal.steps.push_back([&walked, &walkNested](QDialog& setup) {
        ExpectNamed(setup, "Setup");
        ++walked;
        for (auto [button, what] : {std::pair{"LensMaintenance", "Lens Maintenance"},
                                    std::pair{"OtherSetup", "Other Maintenance"}}) {
            auto* b = setup.findChild<QAbstractButton*>(QString::fromLatin1(button));
            if (b && b->isEnabled()) {
                walkNested(what);
                b->click();
            }
        }
        return int(QDialog::Rejected);
    });
    static_cast<QAbstractButton*>(t.console->control(ConsoleControl::CameraSetup))->click();
    // Each dialog that opened was walked.
    ASSERT_FALSE(t.modal.titles.empty());
    EXPECT_EQ(t.modal.titles.front(), "Setup");
    EXPECT_EQ(walked, int(t.modal.titles.size()));
    EXPECT_EQ(t.modal.titles, (std::vector<std::string>{"Setup", "Lens Maintenance", "Other Maintenance"}));

    PlaceholderDialog placeholder(QStringLiteral("Lens Maintenance"));
    ExpectNamed(placeholder, "placeholder");
}

TEST(AccessibilityWalk, FeaturePanels)
{
    TestConsole t;
    Dsp7100Panel& dsp7100 = t.console->dsp7100Panel();
    dsp7100.Open();
    ExpectNamed(dsp7100, "DSP 7100");
    dsp7100.done(0);
    Dsp723xPanel& dsp723x = t.console->dsp723xPanel();
    dsp723x.Open();
    ExpectNamed(dsp723x, "DSP 723x");
    dsp723x.done(0);
    WalkPanel<DayNightPanel>(t, "Day/Night");
    WalkPanel<Dsp7440Panel>(t, "DSP 7440");
    WalkPanel<Dsp8270Panel>(t, "DSP 8270");
    WalkPanel<HiDefPanel>(t, "HiDef");
    WalkPanel<ThermalPanel2>(t, "Thermal 2");
    WalkPanel<Lens55xFactoryPanel>(t, "55X factory");
    WalkPanel<LensMaintenancePanel>(t, "Lens Maintenance");
    WalkPanel<OtherMaintenancePanel>(t, "Other Maintenance");
    WalkPanel<IlluminatorPanel>(t, "Illuminator");
    WalkPanel<WipePanel>(t, "Wipe Setup");
    WalkPanel<WashPanel>(t, "Wash Setup");
    ThermalPanel thermal(*t.console, 15, t.console.get());
    thermal.Open();
    ExpectNamed(thermal, "Thermal");
    thermal.done(0);
    Lens55xPanel lens(*t.console, false, true, t.console.get());
    lens.Open();
    ExpectNamed(lens, "55X lens");
    lens.done(0);
}

TEST(AccessibilityWalk, SetupDialogsToursAndSmallWindows)
{
    TestConsole t;
    FindAddressDialog find(*t.console, t.console.get());
    find.Open();
    ExpectNamed(find, "Find Camera Address");
    find.done(QDialog::Rejected);
    CameraIdDialog cameraId(*t.console, 1, t.console.get());
    cameraId.Open();
    ExpectNamed(cameraId, "Program Camera ID");
    cameraId.done(QDialog::Rejected);
    AzimuthDialog azimuth(*t.console, t.console.get());
    azimuth.Open();
    ExpectNamed(azimuth, "Azimuth Setup");
    azimuth.done(QDialog::Rejected);
    PtModuleDialog module(*t.console, t.console.get());
    module.Open();
    ExpectNamed(module, "Pan/Tilt Module");
    module.done(QDialog::Rejected);
    PrivacyZoneDialog privacy(*t.console, 15, 15, t.console.get());
    privacy.Open();
    ExpectNamed(privacy, "Privacy Zones");
    privacy.done(0);
    ToursSectorsDialog& tours = t.console->toursSectorsDialog();
    tours.Open();
    ExpectNamed(tours, "Tours and Sectors");
    tours.done(0);

    ScriptedPrompter prompter;
    std::array<int, 10> live{};
    TourSetupDialog tourSetup({1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 5, live, prompter);
    ExpectNamed(tourSetup, "Tour Setup");
    AboutBox about;
    ExpectNamed(about, "About");
    CommentDialog comment;
    ExpectNamed(comment, "Insert Comments");

    // The history window as the console's button opens it.
    t.console->show();
    static_cast<QAbstractButton*>(t.console->control(ConsoleControl::History))->click();
    auto* history = t.console->findChild<TrafficHistoryWindow*>();
    ASSERT_NE(history, nullptr);
    ExpectNamed(*history, "Traffic History");
    history->close();
}
