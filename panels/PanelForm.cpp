#include "PanelForm.h"

#include "FeaturePanel.h"
#include "PanelHost.h"
#include "PictureButton.h"
#include "Prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {
enum Kind { kRadios, kList, kCheck, kSpin, kEdit, kButton, kHold, kLabel, kSlider };

QString ThreeDigits(int v)
{
    return QStringLiteral("%1").arg(v, 3, 10, QLatin1Char('0'));
}

// A spin box that lets the operator type a number outside its range, so
// that leaving the box can say so instead of refusing the keys silently.
class RangeSpinBox : public QSpinBox {
public:
    explicit RangeSpinBox(QWidget* parent) : QSpinBox(parent)
    {
        connect(this, &QAbstractSpinBox::editingFinished, this, [this] { editStart_ = value(); });
    }
    std::function<void()> outOfRange;

protected:
    QValidator::State validate(QString& text, int& pos) const override
    {
        const QValidator::State state = QSpinBox::validate(text, pos);
        if (state != QValidator::Invalid || !outOfRange)
            return state;
        bool number = false;
        text.toInt(&number);
        return number && text.size() <= 6 ? QValidator::Intermediate : QValidator::Invalid;
    }
    void focusInEvent(QFocusEvent* event) override
    {
        editStart_ = value();
        QSpinBox::focusInEvent(event);
    }
    // A refused number gives way to the value the box had when the
    // operator began, never to a step typed on the way to it (30001 passes
    // through 3000).
    void fixup(QString& text) const override
    {
        bool number = false;
        const int v = text.toInt(&number);
        if (number && (v < minimum() || v > maximum()) && outOfRange) {
            outOfRange();
            text = textFromValue(editStart_);
            return;
        }
        QSpinBox::fixup(text);
    }

private:
    int editStart_ = 0;
};
} // namespace

struct PanelForm::Binding {
    int kind = kButton;
    int* member = nullptr;
    std::string* text = nullptr;
    std::vector<QWidget*> widgets;
    QLabel* label = nullptr; // the caption beside a labelled control
    Encoder encoder, release;
    std::function<bool()> enabled, sendIf;
    std::function<void()> also;
    bool readsBoxes = false;
    bool refusedAtPress = false; // a box refused its typing as the button was pressed
    bool changedOnly = false;
};

QStringList PadLeft(const QStringList& items)
{
    qsizetype width = 0;
    for (const QString& item : items)
        width = std::max(width, item.size());
    QStringList out;
    for (const QString& item : items)
        out << item.rightJustified(width, QLatin1Char(' '));
    return out;
}

PanelForm::PanelForm(FeaturePanel& panel) : panel_(panel) {}

PanelForm::~PanelForm() = default;

PanelForm& PanelForm::column()
{
    if (!columns_) {
        auto* layout = new QVBoxLayout(&panel_);
        columns_ = new QHBoxLayout;
        bottom_ = new QHBoxLayout;
        layout->addLayout(columns_);
        layout->addLayout(bottom_);
    }
    if (currentColumn_)
        currentColumn_->addStretch();
    currentColumn_ = new QVBoxLayout;
    columns_->addLayout(currentColumn_);
    toBottom_ = false;
    return *this;
}

PanelForm& PanelForm::bottom()
{
    if (!columns_)
        column();
    toBottom_ = true;
    return *this;
}

PanelForm& PanelForm::group(const QString& caption, int columns)
{
    if (!currentColumn_)
        column();
    QWidget* box = caption.isEmpty() ? new QWidget(&panel_) : new QGroupBox(caption, &panel_);
    grid_ = new QGridLayout(box);
    if (caption.isEmpty())
        grid_->setContentsMargins(0, 0, 0, 0);
    (toBottom_ ? bottom_ : currentColumn_)->addWidget(box);
    groupCaption_ = caption;
    groupColumns_ = columns < 1 ? 1 : columns;
    cell_ = 0;
    return *this;
}

PanelForm& PanelForm::row()
{
    cell_ = (cell_ + groupColumns_ - 1) / groupColumns_ * groupColumns_;
    return *this;
}

QString PanelForm::NameFor(const QString& caption, bool withGroup) const
{
    QString name;
    for (QChar c : (withGroup ? groupCaption_ + caption : caption))
        if (c.isLetterOrNumber())
            name += c;
    return name;
}

void PanelForm::Place(QWidget* widget, bool labelled, const QString& caption, bool wide)
{
    if (!grid_)
        group(QString());
    if (!labelled) {
        grid_->addWidget(widget, cell_ / groupColumns_, cell_ % groupColumns_);
        ++cell_;
        return;
    }
    row();
    const int r = cell_ / groupColumns_;
    auto* label = new QLabel(caption, &panel_);
    label->setBuddy(widget);
    if (!bindings_.empty() && LastWidget(0) == widget)
        bindings_.back()->label = label;
    grid_->addWidget(label, r, 0);
    if (wide) {
        grid_->addWidget(widget, r, 1, 1, groupColumns_ > 1 ? groupColumns_ - 1 : 1);
        cell_ += groupColumns_;
        return;
    }
    grid_->addWidget(widget, r, 1);
    // A button may follow on the same row in a group of three or more columns.
    cell_ += groupColumns_ > 2 ? 2 : groupColumns_;
}

PanelForm::Binding& PanelForm::Add(int kind, QWidget* widget, const QString& caption)
{
    auto b = std::make_unique<Binding>();
    b->kind = kind;
    if (widget) {
        widget->setAccessibleName(caption);
        b->widgets.push_back(widget);
    }
    bindings_.push_back(std::move(b));
    return *bindings_.back();
}

QWidget* PanelForm::LastWidget(int i) const
{
    if (bindings_.empty())
        return nullptr;
    const auto& widgets = bindings_.back()->widgets;
    return i >= 0 && static_cast<size_t>(i) < widgets.size() ? widgets[static_cast<size_t>(i)] : nullptr;
}

void PanelForm::Send(const Encoder& encoder, int value)
{
    if (!encoder)
        return;
    const std::string body = encoder(value);
    if (!body.empty())
        panel_.Enqueue(body);
}

// What an operator's change does: member, extra effect, send, show.
void PanelForm::Operate(Binding& b, int value)
{
    if (panel_.filling())
        return;
    if (b.changedOnly && b.member && *b.member == value)
        return;
    if (b.member)
        *b.member = value;
    if (b.also)
        b.also();
    if (!b.sendIf || b.sendIf())
        Send(b.encoder, value);
    Show();
}

PanelForm& PanelForm::radios(int& member, std::initializer_list<const char*> captions, Encoder encoder)
{
    Binding& b = Add(kRadios, nullptr, {});
    b.member = &member;
    b.encoder = std::move(encoder);
    auto* group = new QButtonGroup(&panel_);
    int value = 0;
    for (const char* text : captions) {
        const QString caption = QString::fromLatin1(text);
        auto* radio = new QRadioButton(caption, &panel_);
        radio->setObjectName(NameFor(caption, true));
        radio->setAccessibleName(caption);
        group->addButton(radio);
        b.widgets.push_back(radio);
        Place(radio, false, caption);
        QObject::connect(radio, &QAbstractButton::clicked, &panel_, [this, &b, value] { Operate(b, value); });
        ++value;
    }
    return *this;
}

PanelForm& PanelForm::list(const QString& caption, int& member, const QStringList& items, Encoder encoder)
{
    auto* combo = new QComboBox(&panel_);
    combo->setObjectName(NameFor(caption, false));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    Binding& b = Add(kList, combo, caption);
    b.member = &member;
    b.encoder = std::move(encoder);
    Place(combo, true, caption);
    QObject::connect(combo, &QComboBox::currentIndexChanged, &panel_, [this, &b](int i) {
        if (i >= 0)
            Operate(b, i);
    });
    return *this;
}

PanelForm& PanelForm::check(const QString& caption, int& member, Encoder encoder)
{
    auto* box = new QCheckBox(caption, &panel_);
    box->setObjectName(NameFor(caption, false));
    Binding& b = Add(kCheck, box, caption);
    b.member = &member;
    b.encoder = std::move(encoder);
    Place(box, false, caption);
    QObject::connect(box, &QAbstractButton::clicked, &panel_, [this, &b] { Operate(b, *b.member ? 0 : 1); });
    return *this;
}

PanelForm& PanelForm::spin(const QString& caption, int& member, int lo, int hi, Encoder encoder)
{
    auto* box = new RangeSpinBox(&panel_);
    box->setObjectName(NameFor(caption, false));
    box->setRange(lo, hi);
    Binding& b = Add(kSpin, box, caption);
    b.member = &member;
    b.encoder = std::move(encoder);
    Place(box, true, caption);
    QObject::connect(box, &QSpinBox::valueChanged, &panel_, [this, &b](int v) { Operate(b, v); });
    return *this;
}

PanelForm& PanelForm::rangeMessage()
{
    auto* box = dynamic_cast<RangeSpinBox*>(LastWidget(0));
    if (!box)
        return *this;
    const int lo = box->minimum(), hi = box->maximum();
    box->outOfRange = [this, lo, hi] {
        refused_ = true;
        // Said once the box has let go of the typing, as a message box would.
        QMetaObject::invokeMethod(&panel_, [this, lo, hi] {
            refused_ = false;
            panel_.host().prompter().ShowMessage(IntegerRangeMessage(lo, hi).toStdString(), ApplicationTitle());
        }, Qt::QueuedConnection);
    };
    return *this;
}

// The press moves the focus first, so a box left with an out-of-range
// value has refused it by the time the button reports the press.
PanelForm& PanelForm::readsBoxes()
{
    auto* push = dynamic_cast<QAbstractButton*>(LastWidget(0));
    if (!push)
        return *this;
    Binding& b = *bindings_.back();
    b.readsBoxes = true;
    QObject::connect(push, &QAbstractButton::pressed, &panel_, [this, &b] { b.refusedAtPress = refused_; });
    return *this;
}

PanelForm& PanelForm::hidden()
{
    if (bindings_.empty())
        return *this;
    Binding& b = *bindings_.back();
    for (QWidget* w : b.widgets)
        w->hide();
    if (b.label)
        b.label->hide();
    return *this;
}

PanelForm& PanelForm::edit(const QString& caption, std::string& member, int maxLength)
{
    auto* box = new QLineEdit(&panel_);
    box->setObjectName(NameFor(caption, false));
    box->setMaxLength(maxLength);
    Binding& b = Add(kEdit, box, caption);
    b.text = &member;
    Place(box, true, caption);
    QObject::connect(box, &QLineEdit::textEdited, &panel_,
                     [&b](const QString& text) { *b.text = text.toLatin1().toStdString(); });
    return *this;
}

PanelForm& PanelForm::button(const QString& caption, Encoder encoder)
{
    auto* push = new QPushButton(caption, &panel_);
    push->setObjectName(NameFor(caption, false));
    push->setAutoDefault(false);
    Binding& b = Add(kButton, push, caption);
    b.encoder = std::move(encoder);
    Place(push, false, caption);
    QObject::connect(push, &QAbstractButton::clicked, &panel_, [this, &b] {
        const bool refused = b.readsBoxes && (refused_ || b.refusedAtPress);
        b.refusedAtPress = false;
        if (!refused)
            Operate(b, 0);
    });
    return *this;
}

PanelForm& PanelForm::button(const QString& caption, std::function<void()> action)
{
    button(caption, Encoder());
    bindings_.back()->also = std::move(action);
    return *this;
}

PanelForm& PanelForm::hold(const QString& caption, Encoder press, Encoder release, QSize size)
{
    auto* picture = new PictureButton(caption, size, &panel_);
    picture->setObjectName(NameFor(caption, true));
    picture->setAutoDefault(false);
    picture->SetHoldButton(true);
    Binding& b = Add(kHold, picture, caption);
    b.encoder = std::move(press);
    b.release = std::move(release);
    Place(picture, false, caption);
    QObject::connect(picture, &PictureButton::held, &panel_, [this, &b] {
        if (!panel_.filling())
            Send(b.encoder, 0);
    });
    QObject::connect(picture, &PictureButton::letGo, &panel_, [this, &b] {
        if (!panel_.filling())
            Send(b.release, 0);
    });
    return *this;
}

PanelForm& PanelForm::slider(const QString& caption, int& member, int lo, int hi, Encoder encoder)
{
    auto* box = new QWidget(&panel_);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QSlider(Qt::Horizontal, box);
    bar->setObjectName(NameFor(caption, false));
    bar->setRange(lo, hi);
    bar->setMinimumWidth(hi - lo + 1 > 100 ? 128 : 64);
    auto* value = new QLabel(ThreeDigits(member), box);
    value->setObjectName(NameFor(caption, false) + QStringLiteral("Value"));
    value->setAccessibleName(caption);
    row->addWidget(bar, 1);
    row->addWidget(value);
    Binding& b = Add(kSlider, bar, caption);
    b.widgets.push_back(value);
    b.member = &member;
    b.encoder = std::move(encoder);
    Place(box, true, caption);
    QObject::connect(bar, &QSlider::sliderReleased, &panel_, [this, &b, bar] { Operate(b, bar->value()); });
    // The label follows the slider; a move by the keys or a click on the
    // groove ends where it is.
    QObject::connect(bar, &QSlider::valueChanged, &panel_, [this, &b, bar, value](int v) {
        value->setText(ThreeDigits(v));
        if (!bar->isSliderDown())
            Operate(b, v);
    });
    return *this;
}

PanelForm& PanelForm::label(const QString& text)
{
    auto* l = new QLabel(text, &panel_);
    Add(kLabel, nullptr, {});
    Place(l, false, text);
    return *this;
}

PanelForm& PanelForm::custom(const QString& caption, QWidget* widget, bool labelled)
{
    widget->setObjectName(NameFor(caption, false));
    Add(kLabel, widget, caption);
    Place(widget, labelled, caption);
    return *this;
}

PanelForm& PanelForm::enabledWhen(std::function<bool()> rule)
{
    if (!bindings_.empty())
        bindings_.back()->enabled = std::move(rule);
    return *this;
}

PanelForm& PanelForm::disabled()
{
    return enabledWhen([] { return false; });
}

PanelForm& PanelForm::sendIf(std::function<bool()> condition)
{
    if (!bindings_.empty())
        bindings_.back()->sendIf = std::move(condition);
    return *this;
}

PanelForm& PanelForm::onlyWhenChanged()
{
    if (!bindings_.empty())
        bindings_.back()->changedOnly = true;
    return *this;
}

PanelForm& PanelForm::also(std::function<void()> effect)
{
    if (!bindings_.empty())
        bindings_.back()->also = std::move(effect);
    return *this;
}

PanelForm& PanelForm::name(const QString& objectName)
{
    if (QWidget* w = LastWidget(0))
        w->setObjectName(objectName);
    return *this;
}

PanelForm& PanelForm::wide()
{
    QWidget* w = LastWidget(0);
    const int index = grid_ && w ? grid_->indexOf(w) : -1;
    if (index < 0)
        return *this;
    int r = 0, c = 0, rows = 0, columns = 0;
    grid_->getItemPosition(index, &r, &c, &rows, &columns);
    delete grid_->takeAt(index);
    grid_->addWidget(w, r, c, 1, groupColumns_ - c);
    cell_ = (r + 1) * groupColumns_;
    return *this;
}

PanelForm& PanelForm::onShow(std::function<void()> extra)
{
    onShow_ = std::move(extra);
    return *this;
}

void PanelForm::Show()
{
    FeaturePanel::Filling filling(panel_);
    for (const auto& b : bindings_) {
        const int n = static_cast<int>(b->widgets.size());
        switch (b->kind) {
        case kRadios: {
            if (*b->member >= 0 && *b->member < n) {
                static_cast<QRadioButton*>(b->widgets[static_cast<size_t>(*b->member)])->setChecked(true);
                break;
            }
            // No value chosen: none of the buttons is checked.
            auto* first = static_cast<QRadioButton*>(b->widgets.front());
            QButtonGroup* group = first->group();
            group->setExclusive(false);
            for (QWidget* w : b->widgets)
                static_cast<QRadioButton*>(w)->setChecked(false);
            group->setExclusive(true);
            break;
        }
        case kList: {
            auto* combo = static_cast<QComboBox*>(b->widgets.front());
            combo->setCurrentIndex(*b->member >= 0 && *b->member < combo->count() ? *b->member : -1);
            break;
        }
        case kCheck:
            static_cast<QCheckBox*>(b->widgets.front())->setChecked(*b->member != 0);
            break;
        case kSpin: {
            auto* box = static_cast<QSpinBox*>(b->widgets.front());
            if (*b->member >= box->minimum() && *b->member <= box->maximum() && box->value() != *b->member)
                box->setValue(*b->member);
            break;
        }
        case kSlider: {
            auto* bar = static_cast<QSlider*>(b->widgets.front());
            if (*b->member >= bar->minimum() && *b->member <= bar->maximum()) {
                bar->setValue(*b->member);
                static_cast<QLabel*>(b->widgets.back())->setText(ThreeDigits(*b->member));
            }
            break;
        }
        case kEdit: {
            auto* box = static_cast<QLineEdit*>(b->widgets.front());
            const QString text = QString::fromLatin1(b->text->c_str());
            if (box->text() != text)
                box->setText(text);
            break;
        }
        default:
            break;
        }
        if (b->enabled) {
            const bool on = b->enabled();
            for (QWidget* w : b->widgets)
                w->setEnabled(on);
        }
    }
    if (onShow_)
        onShow_();
}
