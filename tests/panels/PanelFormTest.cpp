// The declarative form's layout modifiers, on a panel of its own.
#include "FeaturePanel.h"
#include "TestConsole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <gtest/gtest.h>

namespace {
class WidePanel : public FeaturePanel {
public:
    explicit WidePanel(PanelHost& host) : FeaturePanel(host, QStringLiteral("Wide"), SendPolicy{})
    {
        form().column()
            .group("Group", 3)
                .button("A", Fixed("a")).button("B", Fixed("b")).button("C", Fixed("c"))
                .check("A long caption that would widen the first column by itself", flag_, Fixed("w")).wide()
                .button("D", Fixed("d"));
    }

protected:
    void OnPanelReply(const uint8_t*, size_t) override {}

private:
    int flag_ = 0;
};
} // namespace

TEST(PanelForm, AWideControlTakesTheRestOfItsRow)
{
    TestConsole t;
    WidePanel panel(*t.console);
    panel.Open();
    panel.show();
    panel.adjustSize();
    QApplication::processEvents();
    auto geometry = [&](const char* name) { return panel.findChild<QWidget*>(QString::fromLatin1(name))->geometry(); };
    const QRect a = geometry("A"), c = geometry("C"), d = geometry("D");
    const QRect wide = panel.findChild<QCheckBox*>()->geometry();
    EXPECT_EQ(wide.left(), a.left());
    EXPECT_GE(wide.right(), c.left()) << "it reaches into the last column";
    EXPECT_LT(a.width(), wide.width() / 2) << "the first column keeps its own width";
    EXPECT_GT(wide.top(), a.bottom());
    EXPECT_GT(d.top(), wide.bottom()) << "the next control starts a new row";
    EXPECT_EQ(d.left(), a.left());
    panel.done(0);
}
