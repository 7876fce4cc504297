#pragma once
#include "Encoders.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class FeaturePanel;
class QBoxLayout;
class QGridLayout;
class QWidget;

// List texts padded on the left with blanks to the longest one's width.
QStringList PadLeft(const QStringList& items);

// The control table of a feature panel: one line per control, each bound
// to a member of the panel and to the encoder that turns the member into
// its command body. An operator's change sets the member, runs the
// control's extra effect, sends what the encoder makes of the value (when
// the send condition holds) and shows the members again; Show() puts every
// member back into its control without sending and applies the enabling
// rules. Controls are laid out in groups, the groups in columns.
//
//     form.group("White Balance", 3)
//         .radios(m.whiteBalance, {"Auto (Normal)", "Manual", "Auto (HPS)"}, Digit("cW"))
//         .hold("RU", Fixed("cWR"), Fixed("cWQ")).enabledWhen([&] { return m.whiteBalance == 1; });
class PanelForm {
public:
    explicit PanelForm(FeaturePanel& panel);
    ~PanelForm();
    PanelForm(const PanelForm&) = delete;
    PanelForm& operator=(const PanelForm&) = delete;

    // Layout: the next groups go into a new column; or into the row below
    // the columns.
    PanelForm& column();
    PanelForm& bottom();
    // A group box (no frame for an empty caption) whose controls flow
    // row by row into the given number of columns.
    PanelForm& group(const QString& caption, int columns = 2);
    // The next control starts a new row of the group.
    PanelForm& row();

    // Controls. A labelled control (list, spin, edit) starts a row with its
    // caption on a label beside it; in a group of three or more columns a
    // button may follow it on that row.
    PanelForm& radios(int& member, std::initializer_list<const char*> captions, Encoder encoder);
    PanelForm& list(const QString& caption, int& member, const QStringList& items, Encoder encoder);
    // A check box toggles its member (0 or 1) and sends the new value.
    PanelForm& check(const QString& caption, int& member, Encoder encoder);
    // A spin box sends on every change of its value (typed or by the arrows).
    PanelForm& spin(const QString& caption, int& member, int lo, int hi, Encoder encoder = nullptr);
    PanelForm& edit(const QString& caption, std::string& member, int maxLength);
    PanelForm& button(const QString& caption, Encoder encoder);
    PanelForm& button(const QString& caption, std::function<void()> action);
    // A press-and-hold picture button: one body when pressed, one when let go.
    PanelForm& hold(const QString& caption, Encoder press, Encoder release = nullptr, QSize size = QSize(32, 24));
    // A horizontal slider with its value on a label beside it ("%03d"). The
    // label follows a drag; the value is sent when the drag ends, or at once
    // when the keys or a click on the groove move it.
    PanelForm& slider(const QString& caption, int& member, int lo, int hi, Encoder encoder);
    // A plain label.
    PanelForm& label(const QString& text);
    // A control the panel builds and handles itself, placed with its caption.
    PanelForm& custom(const QString& caption, QWidget* widget, bool labelled = true);

    // Modifiers of the control added last.
    PanelForm& enabledWhen(std::function<bool()> rule);
    PanelForm& disabled();
    PanelForm& sendIf(std::function<bool()> condition);
    // Choosing the value the member already holds does nothing at all.
    PanelForm& onlyWhenChanged();
    // Runs after the member is set and before the send.
    PanelForm& also(std::function<void()> effect);
    // Object name, when the one made from the captions is not wanted.
    PanelForm& name(const QString& objectName);
    // Out-of-range typing in a spin box gets the toolkit's range message.
    PanelForm& rangeMessage();
    // A button that reads the boxes: when leaving a box for the button
    // brought the range message, the click sends nothing.
    PanelForm& readsBoxes();
    // Created hidden (with its label) and never shown.
    PanelForm& hidden();
    // The control takes the rest of its row (a long caption that would
    // widen one column of the group); the next control starts a new row.
    PanelForm& wide();

    // The widget of the control added last (the i-th button of radios).
    template <class T> T* last(int i = 0) const { return static_cast<T*>(LastWidget(i)); }
    // Keeps that widget for the panel's own handling.
    template <class T> PanelForm& keep(T*& widget, int i = 0)
    {
        widget = last<T>(i);
        return *this;
    }
    // Runs at the end of every Show(), for what the table cannot say.
    PanelForm& onShow(std::function<void()> extra);

    void Show();

private:
    struct Binding;
    Binding& Add(int kind, QWidget* widget, const QString& caption);
    // wide: a labelled control that takes the rest of its row.
    void Place(QWidget* widget, bool labelled, const QString& caption, bool wide = false);
    void Operate(Binding& b, int value);
    void Send(const Encoder& encoder, int value);
    QWidget* LastWidget(int i) const;
    QString NameFor(const QString& caption, bool withGroup) const;

    FeaturePanel& panel_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    QBoxLayout* columns_ = nullptr;
    QBoxLayout* bottom_ = nullptr;
    QBoxLayout* currentColumn_ = nullptr;
    bool toBottom_ = false;
    QGridLayout* grid_ = nullptr;
    QString groupCaption_;
    int groupColumns_ = 2;
    int cell_ = 0;
    std::function<void()> onShow_;
    // A box refused its typing and the range message is still to be shown.
    bool refused_ = false;
};
