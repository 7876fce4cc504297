// Renders the windows offscreen to PNG files so they can be looked at
// without a display, and checks the console's layout for the faults a
// picture shows: controls cut off, on top of each other, or off the window.
#include "AboutBox.h"
#include "AzimuthDialog.h"
#include "CameraIdDialog.h"
#include "CommentDialog.h"
#include "DayNightPanel.h"
#include "Dsp7100Panel.h"
#include "Dsp8270Panel.h"
#include "HiDefPanel.h"
#include "IlluminatorPanel.h"
#include "Dsp723xPanel.h"
#include "Dsp7440Panel.h"
#include "FindAddressDialog.h"
#include "Lamp.h"
#include "Lens55xFactoryPanel.h"
#include "Lens55xPanel.h"
#include "LensMaintenancePanel.h"
#include "OtherMaintenancePanel.h"
#include "PlaceholderDialog.h"
#include "PrivacyZoneDialog.h"
#include "PtModuleDialog.h"
#include "TestConsole.h"
#include "ThermalPanel.h"
#include "ThermalPanel2.h"
#include "TourSetupDialog.h"
#include "WashPanel.h"
#include "WipePanel.h"
#include "ToursSectorsDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QString ScreenshotFolder()
{
    const QString folder = QStringLiteral(PIVORA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    return folder;
}

void Save(QWidget& window, const char* name)
{
    window.show();
    window.adjustSize();
    QApplication::processEvents();
    const QString path = ScreenshotFolder() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    ASSERT_TRUE(window.grab().save(path)) << path.toStdString();
}

// Visible leaf widgets that should not overlap one another.
std::vector<QWidget*> VisibleControls(QWidget& window)
{
    std::vector<QWidget*> out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<QGroupBox*>(w) || w->parentWidget() != &window)
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<Lamp*>(w) ||
            w->objectName() == QLatin1String("PTControl"))
            out.push_back(w);
    }
    return out;
}

void CheckLayout(ConsoleDialog& console, const std::string& what)
{
    const QRect inside = console.rect();
    const std::vector<QWidget*> controls = VisibleControls(console);
    for (QWidget* w : controls) {
        const QRect r = w->geometry();
        EXPECT_TRUE(inside.contains(r)) << what << ": " << w->objectName().toStdString() << " leaves the window";
        EXPECT_GE(r.width(), w->minimumSizeHint().width())
            << what << ": " << w->objectName().toStdString() << " is clipped";
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (b && !b->text().isEmpty()) {
            EXPECT_GE(r.width(), b->fontMetrics().horizontalAdvance(b->text()))
                << what << ": caption of " << w->objectName().toStdString() << " is cut";
        }
    }
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << what << ": " << controls[i]->objectName().toStdString() << " overlaps "
                << controls[j]->objectName().toStdString();
    const bool receiverStatus = console.settings().receiverType == 1 || console.settings().receiverType == 2;
    for (Lamp* lamp : console.findChildren<Lamp*>()) {
        const bool shown = lamp->id() == 209                       ? false
                           : lamp->id() >= 206 && lamp->id() <= 208 ? receiverStatus
                                                                    : true;
        EXPECT_EQ(lamp->isVisible(), shown) << what << ": lamp " << lamp->id();
    }
    // A 1366 by 768 screen holds the window with its frame and a task bar.
    EXPECT_LE(console.width(), 1366 - 16) << what;
    EXPECT_LE(console.height(), 768 - 80) << what;
}
} // namespace

TEST(Screenshots, Console)
{
    struct Case {
        const char* name;
        int rx;
        int cam;
    } cases[] = {{"console-default", 5, 3}, {"console-rx1", 1, 0}, {"console-rx12", 12, 8}};
    for (const Case& c : cases) {
        ConsoleSettings s;
        s.receiverType = c.rx;
        s.cameraType = c.cam;
        TestConsole t(s);
        t.console->DrawLamp(210, 1);
        t.console->SendCommand("PSTS");
        Save(*t.console, c.name);
        CheckLayout(*t.console, c.name);
    }
}

TEST(Screenshots, SmallWindows)
{
    AboutBox about;
    Save(about, "about");
    PlaceholderDialog placeholder(QStringLiteral("DSP 7100 Control"));
    Save(placeholder, "placeholder");
    ScriptedPrompter prompter;
    std::array<int, 10> live{};
    TourSetupDialog tours({1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 5, live, prompter);
    Save(tours, "tour-setup");
    CommentDialog comment;
    Save(comment, "insert-comments");
}

TEST(Screenshots, Panels)
{
    TestConsole t;
    Dsp7100Panel& dsp = t.console->dsp7100Panel();
    dsp.Open();
    Save(dsp, "panel-dsp7100");
    dsp.done(0);
    DayNightPanel dayNight(*t.console, t.console.get());
    dayNight.Open();
    Save(dayNight, "panel-daynight");
    EXPECT_LE(dayNight.width(), 1366 - 16);
    EXPECT_LE(dayNight.height(), 768 - 80);
    dayNight.done(0);
    PrivacyZoneDialog privacy(*t.console, 15, 15, t.console.get());
    privacy.Open();
    // Filled as the camera reports a zone, its longest colour name included.
    t.console->RegisterReplyWindow(ReplyWindow::PrivacyZone, &privacy);
    for (const char* reply : {"csZA12", "csCP=1L;0", "csh030v020"}) {
        FakeLine::Bytes frame{0xF8, 0x01};
        frame.insert(frame.end(), reply, reply + std::strlen(reply));
        frame.push_back(0x80);
        t.line.Inject(frame);
    }
    t.console->RegisterReplyWindow(ReplyWindow::PrivacyZone, nullptr);
    Save(privacy, "privacy-zones");
    EXPECT_LE(privacy.width(), 1366 - 16);
    EXPECT_LE(privacy.height(), 768 - 80);
    privacy.done(0);
}

TEST(Screenshots, LensPanels)
{
    TestConsole t;
    Lens55xPanel lens(*t.console, false, true, t.console.get());
    lens.Open();
    Save(lens, "panel-lens55x");
    Lens55xFactoryPanel factory(*t.console, t.console.get());
    factory.Open();
    Save(factory, "panel-lens55x-factory");
    LensMaintenancePanel maintenance(*t.console, t.console.get());
    maintenance.Open();
    Save(maintenance, "panel-lens-maintenance");
    for (QWidget* w : {static_cast<QWidget*>(&lens), static_cast<QWidget*>(&factory),
                       static_cast<QWidget*>(&maintenance)}) {
        EXPECT_LE(w->width(), 1366 - 16) << w->objectName().toStdString();
        EXPECT_LE(w->height(), 768 - 80) << w->objectName().toStdString();
        // Every button shows its whole caption.
        for (auto* b : w->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && !b->text().isEmpty()) {
                EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()))
                    << w->objectName().toStdString() << ": " << b->objectName().toStdString();
            }
        }
    }
    for (FeaturePanel* p : {static_cast<FeaturePanel*>(&lens), static_cast<FeaturePanel*>(&factory),
                            static_cast<FeaturePanel*>(&maintenance)})
        p->done(0);
}

// The windows of the 8270 and HiDef cameras and the maintenance windows.
template <class Panel> void SavePanel(TestConsole& t, const char* name)
{
    Panel panel(*t.console, t.console.get());
    panel.Open();
    Save(panel, name);
    EXPECT_LE(panel.width(), 1366 - 16) << name;
    EXPECT_LE(panel.height(), 768 - 80) << name;
    panel.done(0);
}

TEST(Screenshots, CameraAndMaintenancePanels)
{
    TestConsole t;
    SavePanel<Dsp8270Panel>(t, "panel-dsp8270");
    SavePanel<HiDefPanel>(t, "panel-hidef");
    SavePanel<OtherMaintenancePanel>(t, "panel-other-maintenance");
    SavePanel<IlluminatorPanel>(t, "panel-illuminator");
    SavePanel<WipePanel>(t, "panel-wipe");
    SavePanel<WashPanel>(t, "panel-wash");
    ThermalPanel thermal(*t.console, 15, t.console.get());
    thermal.Open();
    Save(thermal, "panel-thermal");
    EXPECT_LE(thermal.width(), 1366 - 16);
    EXPECT_LE(thermal.height(), 768 - 80);
    thermal.done(0);
    ThermalPanel2 thermal2(*t.console, t.console.get());
    thermal2.Open();
    Save(thermal2, "panel-thermal2");
    EXPECT_LE(thermal2.width(), 1366 - 16);
    EXPECT_LE(thermal2.height(), 768 - 80);
    thermal2.done(0);

    Dsp7440Panel dsp7440(*t.console, t.console.get());
    dsp7440.Open();
    Save(dsp7440, "panel-dsp7440");
    EXPECT_LE(dsp7440.width(), 1366 - 16);
    EXPECT_LE(dsp7440.height(), 768 - 80);
    dsp7440.done(0);

    Dsp723xPanel& dsp723x = t.console->dsp723xPanel();
    const PresetNameTable& names = ConsolePresetNames();
    dsp723x.SetPresetNames({names.begin(), names.end()});
    dsp723x.Open();
    Save(dsp723x, "panel-dsp723x");
    EXPECT_LE(dsp723x.width(), 1366 - 16);
    EXPECT_LE(dsp723x.height(), 768 - 80);
    dsp723x.done(0);
    ToursSectorsDialog& tours = t.console->toursSectorsDialog();
    tours.Open();
    Save(tours, "tours-sectors");
    EXPECT_LE(tours.width(), 1366 - 16);
    EXPECT_LE(tours.height(), 768 - 80);
    tours.done(0);
}

TEST(Screenshots, SetupDialogs)
{
    TestConsole t;
    auto fits = [](QWidget& w, const char* what) {
        EXPECT_LE(w.width(), 1366 - 16) << what;
        EXPECT_LE(w.height(), 768 - 80) << what;
    };
    FindAddressDialog find(*t.console, t.console.get());
    find.Open();
    t.clock.Advance(17 * 500);
    Save(find, "find-address");
    fits(find, "find-address");
    find.done(QDialog::Rejected);
    CameraIdDialog cameraId(*t.console, 1, t.console.get());
    cameraId.Open();
    Save(cameraId, "camera-id");
    fits(cameraId, "camera-id");
    cameraId.done(QDialog::Accepted);
    AzimuthDialog azimuth(*t.console, t.console.get());
    azimuth.Open();
    Save(azimuth, "azimuth-setup");
    fits(azimuth, "azimuth-setup");
    azimuth.done(QDialog::Rejected);
    PtModuleDialog module(*t.console, t.console.get());
    module.Open();
    Save(module, "pt-module");
    fits(module, "pt-module");
    module.done(QDialog::Rejected);
}
