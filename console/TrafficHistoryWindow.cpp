#include "TrafficHistoryWindow.h"

#include "Prompter.h"
#include "TrafficHistory.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>

// The rows shown: the sequence numbers of the kept entries that pass the filter.
class TrafficHistoryModel : public QAbstractTableModel {
public:
    enum Direction { Both, Transmitted, Received };

    explicit TrafficHistoryModel(const TrafficHistory& history) : history_(history) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || static_cast<size_t>(index.row()) >= rows_.size())
            return {};
        const TrafficEntry& e = history_.BySequence(rows_[static_cast<size_t>(index.row())]);
        switch (index.column()) {
        case 0: return QString::fromStdString(TrafficTimeText(e.time));
        case 1: return e.transmitted ? QStringLiteral("Tx") : QStringLiteral("Rx");
        case 2: return QString::fromLatin1(e.text.c_str());
        default: return QString::fromStdString(TrafficHexText(e.bytes));
        }
    }

    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole || o != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, o, role);
        static const char* kHeaders[] = {"Time", "Dir", "Frame", "Bytes"};
        return QString::fromLatin1(kHeaders[section & 3]);
    }

    void SetFilter(Direction direction, const QString& text)
    {
        beginResetModel();
        direction_ = direction;
        text_ = text.toUpper().toStdString();
        rows_.clear();
        next_ = history_.firstSequence();
        endResetModel();
        Refresh();
    }

    // Rows the ring let go of leave from the top; new matching ones join below.
    void Refresh()
    {
        const uint64_t first = history_.firstSequence();
        size_t gone = 0;
        while (gone < rows_.size() && rows_[gone] < first)
            ++gone;
        if (gone > 0) {
            beginRemoveRows({}, 0, static_cast<int>(gone) - 1);
            rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(gone));
            endRemoveRows();
        }
        std::vector<uint64_t> added;
        for (uint64_t s = std::max(next_, first); s < history_.nextSequence(); ++s)
            if (Matches(history_.BySequence(s)))
                added.push_back(s);
        next_ = history_.nextSequence();
        if (added.empty())
            return;
        const int at = static_cast<int>(rows_.size());
        beginInsertRows({}, at, at + static_cast<int>(added.size()) - 1);
        rows_.insert(rows_.end(), added.begin(), added.end());
        endInsertRows();
    }

    std::string Line(int row) const { return TrafficLine(history_.BySequence(rows_[static_cast<size_t>(row)])); }

private:
    bool Matches(const TrafficEntry& e) const
    {
        if ((direction_ == Transmitted && !e.transmitted) || (direction_ == Received && e.transmitted))
            return false;
        if (text_.empty())
            return true;
        std::string upper = e.text;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return upper.find(text_) != std::string::npos || TrafficHexText(e.bytes).find(text_) != std::string::npos;
    }

    const TrafficHistory& history_;
    std::vector<uint64_t> rows_;
    uint64_t next_ = 0;
    Direction direction_ = Both;
    std::string text_;
};

TrafficHistoryWindow::TrafficHistoryWindow(const TrafficHistory& history, Prompter& prompter, QWidget* parent)
    : QDialog(parent), history_(history), prompter_(prompter)
{
    setObjectName(QStringLiteral("TrafficHistory"));
    setWindowTitle(QStringLiteral("Traffic History"));
    model_ = new TrafficHistoryModel(history);
    model_->setParent(this);

    direction_ = new QComboBox(this);
    direction_->setObjectName(QStringLiteral("Direction"));
    direction_->setAccessibleName(QStringLiteral("Direction"));
    direction_->addItems({QStringLiteral("Both ways"), QStringLiteral("Transmitted"), QStringLiteral("Received")});
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("Filter"));
    filter_->setAccessibleName(QStringLiteral("Filter"));
    filter_->setPlaceholderText(QStringLiteral("Text or hex bytes"));
    follow_ = new QCheckBox(QStringLiteral("Follow"), this);
    follow_->setObjectName(QStringLiteral("Follow"));
    follow_->setChecked(true);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("Count"));
    auto* copy = new QPushButton(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("Copy"));
    copy->setAutoDefault(false);
    auto* save = new QPushButton(QStringLiteral("Save..."), this);
    save->setObjectName(QStringLiteral("Save"));
    save->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setAutoDefault(false);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Frames"));
    table_->setAccessibleName(QStringLiteral("Frames"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 100);
    table_->setColumnWidth(1, 36);
    table_->setColumnWidth(2, 300);

    auto* filterLabel = new QLabel(QStringLiteral("&Filter"), this);
    filterLabel->setBuddy(filter_);
    auto* top = new QHBoxLayout;
    top->addWidget(direction_);
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);
    top->addWidget(follow_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_, 1);
    bottom->addWidget(copy);
    bottom->addWidget(save);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);
    resize(820, 480);

    auto refilter = [this] {
        model_->SetFilter(static_cast<TrafficHistoryModel::Direction>(direction_->currentIndex()), filter_->text());
        Refresh();
    };
    connect(direction_, &QComboBox::currentIndexChanged, this, refilter);
    connect(filter_, &QLineEdit::textChanged, this, refilter);
    connect(copy, &QPushButton::clicked, this, &TrafficHistoryWindow::CopySelection);
    connect(save, &QPushButton::clicked, this, &TrafficHistoryWindow::Save);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    refresh_ = new QTimer(this);
    refresh_->setInterval(100);
    connect(refresh_, &QTimer::timeout, this, &TrafficHistoryWindow::Refresh);
    refresh_->start();
    Refresh();
}

TrafficHistoryWindow::~TrafficHistoryWindow() = default;

void TrafficHistoryWindow::Refresh()
{
    const int before = model_->rowCount();
    model_->Refresh();
    if (follow_->isChecked() && model_->rowCount() != before)
        table_->scrollToBottom();
    count_->setText(QStringLiteral("%1 of %2 frames shown").arg(model_->rowCount()).arg(history_.size()));
}

std::vector<std::string> TrafficHistoryWindow::ShownLines() const
{
    std::vector<std::string> lines;
    for (int row = 0; row < model_->rowCount(); ++row)
        lines.push_back(model_->Line(row));
    return lines;
}

void TrafficHistoryWindow::CopySelection()
{
    QString text;
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::vector<int> selected;
    for (const QModelIndex& i : rows)
        selected.push_back(i.row());
    std::sort(selected.begin(), selected.end());
    if (selected.empty())
        for (int row = 0; row < model_->rowCount(); ++row)
            selected.push_back(row);
    for (int row : selected)
        text += QString::fromLatin1(model_->Line(row).c_str()) + QLatin1Char('\n');
    QApplication::clipboard()->setText(text);
}

void TrafficHistoryWindow::Save()
{
    const std::string path = prompter_.ChooseFile("Save Traffic History", "Text Files (*.txt)", FileChoice::Save);
    if (path.empty())
        return;
    std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    for (const std::string& line : ShownLines())
        out << line << "\r\n";
    out.flush();
    if (!out)
        prompter_.ShowMessage("Unable to save " + path, ApplicationTitle());
}
