// Folder tree, file list, list box and splitter gadgets.
#include "rt/gadget_files.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QThread>
#include <QTreeView>
#include <QWheelEvent>

#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

namespace {

// The columns of a file list after the name: size, type, date.
constexpr int file_columns = 4;
// While the file list's rows still change, waiting goes on this long after each change.
constexpr int settle_ms = 100;
constexpr int wait_step_ms = 10;
// The divider between a splitter's two gadgets, as wide as the gap the program's layouts leave.
constexpr int splitter_handle_width = 9;

QString native_folder(const std::string& folder) {
    QString path = QDir::cleanPath(to_qstring(folder));
    return path.isEmpty() ? QDir::rootPath() : path;
}

std::string folder_text(const QString& path) {
    std::string folder = to_utf8(QDir::cleanPath(path));
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

template <typename W>
W* entry_as(int number, GadgetKind kind) {
    const Gadget* g = gadget_entry(number);
    return g && g->kind == kind ? static_cast<W*>(g->widget.data()) : nullptr;
}

QWidget* current_list() {
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    return lists.empty() ? nullptr : lists.back().data();
}

template <typename W>
void register_gadget(int number, GadgetKind kind, W* widget, int x, int y, int width, int height) {
    widget->setGeometry(x, y, width, height);
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->show();
    state().gadgets[number] = Gadget{widget, kind};
}

// Right clicks on a view's area, which the view itself does not report.
class RightClickWatch final : public QObject {
public:
    RightClickWatch(QWidget* view, int number) : QObject(view), view_(view), number_(number) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                const QPoint at = static_cast<QWidget*>(watched)->mapTo(view_, mouse->position().toPoint());
                queue_gadget_event(view_, number_, EventType::RightClick, at);
            }
        }
        return false;
    }

private:
    QWidget* view_;
    int number_;
};

void watch_view_mouse(QAbstractItemView* view, int number) {
    view->viewport()->installEventFilter(new RightClickWatch(view, number));
    QObject::connect(view, &QAbstractItemView::clicked, view,
                     [view, number] { queue_gadget_event(view, number, EventType::LeftClick); });
    QObject::connect(view, &QAbstractItemView::doubleClicked, view,
                     [view, number] { queue_gadget_event(view, number, EventType::LeftDoubleClick); });
}

// The folder tree: only folders, one column.
class FolderTree final : public QTreeView {
public:
    explicit FolderTree(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this)) {
        model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        model_->setRootPath(QDir::rootPath());
        setModel(model_);
        for (int column = 1; column < file_columns; ++column) hideColumn(column);
        setHeaderHidden(true);
        // The folders around the chosen one are read in the background and
        // sorted in above it as they come: it is brought into view again each
        // time, and once the tree has its final size.
        QObject::connect(model_, &QAbstractItemModel::rowsInserted, this, &FolderTree::follow);
        QObject::connect(model_, &QAbstractItemModel::layoutChanged, this, &FolderTree::follow);
        QObject::connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { following_ = false; });
    }

protected:
    // Once the user scrolls or chooses, the tree stays where the user put it.
    void mousePressEvent(QMouseEvent* event) override {
        following_ = false;
        QTreeView::mousePressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        following_ = false;
        QTreeView::wheelEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        following_ = false;
        QTreeView::keyPressEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QTreeView::resizeEvent(event);
        follow();
    }

public:
    void show_folder(const QString& folder) {
        const QModelIndex index = model_->index(folder);
        if (!index.isValid()) return;
        const QSignalBlocker quiet(selectionModel());
        setCurrentIndex(index);
        for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) expand(above);
        expand(index);
        following_ = true;
        follow();
    }

    QString folder() const { return currentIndex().isValid() ? model_->filePath(currentIndex()) : QString(); }

private:
    void follow() {
        if (following_) scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    }

    QFileSystemModel* model_;
    bool following_ = false;
};

// The file-system model with column titles of the program's language.
class TitledFileModel final : public QFileSystemModel {
public:
    using QFileSystemModel::QFileSystemModel;
    QStringList titles;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < titles.size()) return titles[section];
        return QFileSystemModel::headerData(section, orientation, role);
    }
};

// The file list: a folder's files in columns; the program drags its selection.
class FileList final : public QTreeView {
public:
    FileList(QWidget* parent, int number) : QTreeView(parent), model_(new TitledFileModel(this)), number_(number) {
        model_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
        model_->setNameFilterDisables(false);  // what does not match is not shown
        setModel(model_);
        setRootIsDecorated(false);
        setItemsExpandable(false);
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setDragEnabled(true);
        setDragDropMode(QAbstractItemView::DragOnly);
        QObject::connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
            if (QDir::cleanPath(path) == QDir::cleanPath(model_->rootPath())) loaded = true;
        });
    }

    void show_folder(const QString& folder) {
        loaded = false;
        setRootIndex(model_->setRootPath(folder));
        clearSelection();
    }

    void show_pattern(const QString& pattern) {
        // A pattern is a name pattern: blanks around it are no part of a name.
        const QString trimmed = pattern.trimmed();
        model_->setNameFilters(trimmed.isEmpty() ? QStringList() : QStringList{trimmed});
    }

    void show_titles(const QStringList& titles) {
        model_->titles = titles;
        Q_EMIT model_->headerDataChanged(Qt::Horizontal, 0, file_columns - 1);
    }

    QString folder() const { return model_->rootPath(); }
    int rows() const { return model_->rowCount(rootIndex()); }

    QString name_at(int row) const { return model_->fileName(model_->index(row, 0, rootIndex())); }

    bool is_selected_file(const QModelIndex& index) const {
        return index.isValid() && index.parent() == rootIndex() && !model_->isDir(index) &&
               selectionModel()->isSelected(index.siblingAtColumn(0));
    }

    std::vector<std::string> selected_names() const {
        std::vector<std::string> names;
        for (int row = 0; row < rows(); ++row) {
            if (is_selected_file(model_->index(row, 0, rootIndex()))) names.push_back(to_utf8(name_at(row)));
        }
        return names;
    }

    std::string current_name() const {
        const QModelIndex current = currentIndex().siblingAtColumn(0);
        if (is_selected_file(current)) return to_utf8(model_->fileName(current));
        const std::vector<std::string> names = selected_names();
        return names.empty() ? std::string() : names.front();
    }

    bool loaded = false;  // the model has read the folder shown

protected:
    // The program decides what is dragged: the drag start is an event.
    void startDrag(Qt::DropActions) override { queue_gadget_event(this, number_, EventType::DragStart); }

private:
    TitledFileModel* model_;
    int number_;
};

}  // namespace

void set_splitter_position(QSplitter& splitter, int position) {
    const int whole = splitter.orientation() == Qt::Horizontal ? splitter.width() : splitter.height();
    const int room = std::max(0, whole - splitter.handleWidth());
    const int first = std::clamp(position, 0, room);
    splitter.setSizes({first, room - first});
}

void create_folder_tree_gadget(int number, int x, int y, int width, int height, const std::string& folder) {
    free_gadget(number);
    QWidget* parent = current_list();
    if (!parent) return;
    auto* tree = new FolderTree(parent);
    register_gadget(number, GadgetKind::FolderTree, tree, x, y, width, height);
    tree->show_folder(native_folder(folder));
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, tree,
                     [tree, number] { queue_gadget_event(tree, number, EventType::Change); });
}

std::string folder_tree_folder(int number) {
    const auto* tree = entry_as<FolderTree>(number, GadgetKind::FolderTree);
    return tree ? folder_text(tree->folder()) : std::string();
}

void set_folder_tree_folder(int number, const std::string& folder) {
    if (auto* tree = entry_as<FolderTree>(number, GadgetKind::FolderTree)) tree->show_folder(native_folder(folder));
}

void create_file_list_gadget(int number, int x, int y, int width, int height, const std::string& folder,
                             const std::string& pattern) {
    free_gadget(number);
    QWidget* parent = current_list();
    if (!parent) return;
    auto* list = new FileList(parent, number);
    register_gadget(number, GadgetKind::FileList, list, x, y, width, height);
    list->show_pattern(to_qstring(pattern));
    list->show_folder(native_folder(folder));
    watch_view_mouse(list, number);
}

void set_file_list_folder(int number, const std::string& folder) {
    if (auto* list = entry_as<FileList>(number, GadgetKind::FileList)) list->show_folder(native_folder(folder));
}

std::string file_list_folder(int number) {
    const auto* list = entry_as<FileList>(number, GadgetKind::FileList);
    return list ? folder_text(list->folder()) : std::string();
}

void set_file_list_pattern(int number, const std::string& pattern) {
    if (auto* list = entry_as<FileList>(number, GadgetKind::FileList)) list->show_pattern(to_qstring(pattern));
}

std::vector<std::string> file_list_names(int number) {
    std::vector<std::string> names;
    if (const auto* list = entry_as<FileList>(number, GadgetKind::FileList)) {
        for (int row = 0; row < list->rows(); ++row) names.push_back(to_utf8(list->name_at(row)));
    }
    return names;
}

std::vector<std::string> file_list_selected_names(int number) {
    const auto* list = entry_as<FileList>(number, GadgetKind::FileList);
    return list ? list->selected_names() : std::vector<std::string>();
}

std::string file_list_current_name(int number) {
    const auto* list = entry_as<FileList>(number, GadgetKind::FileList);
    return list ? list->current_name() : std::string();
}

void select_all_file_list(int number, bool selected) {
    auto* list = entry_as<FileList>(number, GadgetKind::FileList);
    if (!list) return;
    if (selected) list->selectAll();
    else list->clearSelection();
}

void set_file_list_column_titles(int number, const std::vector<std::string>& titles) {
    auto* list = entry_as<FileList>(number, GadgetKind::FileList);
    if (!list) return;
    QStringList shown;
    for (const std::string& title : titles) shown.append(to_qstring(title));
    list->show_titles(shown);
}

void set_file_list_column_width(int number, int column, int width) {
    if (auto* list = entry_as<FileList>(number, GadgetKind::FileList)) list->setColumnWidth(column, width);
}

bool wait_for_file_list(int number, int limit_ms) {
    const QDeadlineTimer deadline(limit_ms);
    QDeadlineTimer settled(settle_ms);
    int rows = -1;
    for (;;) {
        const auto* list = entry_as<FileList>(number, GadgetKind::FileList);
        if (!list) return false;
        if (list->loaded) {
            if (list->rows() != rows) {
                rows = list->rows();
                settled.setRemainingTime(settle_ms);
            } else if (settled.hasExpired()) {
                return true;
            }
        }
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, wait_step_ms);
        QThread::msleep(1);
    }
}

void create_list_gadget(int number, int x, int y, int width, int height) {
    free_gadget(number);
    QWidget* parent = current_list();
    if (!parent) return;
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    register_gadget(number, GadgetKind::List, list, x, y, width, height);
    watch_view_mouse(list, number);
}

namespace {

QListWidget* list_of(int number) { return entry_as<QListWidget>(number, GadgetKind::List); }

}  // namespace

void add_list_item(int number, const std::string& text) {
    if (QListWidget* list = list_of(number)) list->addItem(to_qstring(text));
}

void remove_list_item(int number, int index) {
    QListWidget* list = list_of(number);
    if (!list || index < 0 || index >= list->count()) return;
    delete list->takeItem(index);
    // No other item becomes selected in its place.
    list->clearSelection();
}

void clear_list_items(int number) {
    if (QListWidget* list = list_of(number)) list->clear();
}

int list_item_count(int number) {
    const QListWidget* list = list_of(number);
    return list ? list->count() : 0;
}

std::string list_item_text(int number, int index) {
    const QListWidget* list = list_of(number);
    return list && index >= 0 && index < list->count() ? to_utf8(list->item(index)->text()) : std::string();
}

int list_selected_item(int number) {
    const QListWidget* list = list_of(number);
    if (!list) return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void set_list_selected_item(int number, int index) {
    QListWidget* list = list_of(number);
    if (!list) return;
    list->clearSelection();
    if (index >= 0 && index < list->count()) list->setCurrentRow(index);
}

void create_splitter_gadget(int number, int x, int y, int width, int height, int first, int second, unsigned flags) {
    free_gadget(number);
    QWidget* parent = current_list();
    QWidget* one = gadget_widget(first);
    QWidget* two = gadget_widget(second);
    if (!parent || !one || !two) return;
    auto* splitter = new QSplitter(flags & SplitterFlag::Vertical ? Qt::Vertical : Qt::Horizontal, parent);
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(splitter_handle_width);
    splitter->addWidget(one);
    splitter->addWidget(two);
    register_gadget(number, GadgetKind::Splitter, splitter, x, y, width, height);
}

}  // namespace rt
