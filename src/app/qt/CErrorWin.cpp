#include "app/qt/CErrorWin.h"

#include "app/CommandIds.h"
#include "app/ErrorLogLines.h"
#include "app/qt/ErrorLogModel.h"
#include "html/qt/CheckWorker.h"

#include <QKeyEvent>
#include <QListView>
#include <QVBoxLayout>

CErrorWin::CErrorWin(std::vector<std::string> files, QWidget* parent)
    : QWidget(parent), files_(std::move(files)), lines_(std::make_shared<ErrorLogLines>()),
      model_(new ErrorLogModel(lines_, this)), list_(new QListView(this)) {
    setWindowTitle(QStringLiteral("Error Log"));
    list_->setObjectName(QStringLiteral("ErrorList"));
    list_->setModel(model_);
    // Every row is one line of text: the view need not measure each of a
    // hundred thousand rows.
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    setFocusProxy(list_);
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        emit lineChosen(static_cast<std::size_t>(index.row()));
    });
}

CErrorWin::~CErrorWin() = default;

void CErrorWin::AddErrorLine(const std::string& message, int start, int end,
                             const std::string& path) {
    appendLines({CErrorLine{message, start, end, path}});
}

// Return goes straight to the first error as soon as it is listed, unless
// the user has picked a line already.
void CErrorWin::appendLines(const std::vector<CErrorLine>& lines) {
    model_->append(lines);
    if (!currentRow()) {
        if (const std::optional<std::size_t> first = lines_->firstPlace()) {
            setCurrentRow(*first, false);
        }
    }
    emit linesAdded();
}

void CErrorWin::startCheck(const CTagData& tagData) {
    worker_ = std::make_unique<CheckWorker>(tagData, files_);
    connect(worker_.get(), &CheckWorker::linesReady, this, &CErrorWin::appendLines);
    connect(worker_.get(), &CheckWorker::finished, this, &CErrorWin::checkFinished);
    worker_->start();
}

bool CErrorWin::isChecking() const {
    return worker_ != nullptr && worker_->isRunning();
}

std::optional<std::size_t> CErrorWin::currentRow() const {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(current.row());
}

void CErrorWin::setCurrentRow(std::size_t row, bool shown) {
    currentShown_ = shown;
    const QModelIndex index = model_->index(static_cast<int>(row));
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void CErrorWin::chooseCurrent() {
    if (const std::optional<std::size_t> row = currentRow()) {
        emit lineChosen(*row);
    }
}

// Return on a line does what a double click does, for keyboard users.
bool CErrorWin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            chooseCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

const CommandRows<CErrorWin>& CErrorWin::commandRows() {
    static const CommandRows<CErrorWin> rows({
        {Cmd::FileClose, nullptr,
         [](CErrorWin& w, int) {
             QWidget* frame = w.parentWidget();
             (frame != nullptr ? frame : &w)->close();
         }},
    });
    return rows;
}

bool CErrorWin::handlesCommand(int id) {
    return commandRows().handles(id);
}

bool CErrorWin::commandState(int id, CommandState& state) {
    return commandRows().state(*this, id, state);
}

bool CErrorWin::runCommand(int id) {
    return commandRows().run(*this, id);
}
