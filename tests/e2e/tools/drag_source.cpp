// A stand-in for a file manager or a text editor in the end-to-end tests: a
// small window that, when pressed, drags what its command line names, then
// ends.
//
//   vd_drag_source FILE...            the files, as a file manager does (text/uri-list)
//   vd_drag_source --text TEXT        the text, as a text editor does (text/plain)
//   --at X,Y before either puts the window's top-left corner there (600,600 by default).
// Both with the copy action.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class Source final : public QWidget {
public:
    Source(QList<QUrl> urls, QString text, QPoint at) : urls_(std::move(urls)), text_(std::move(text)) {
        setWindowTitle("drag source");
        setGeometry(at.x(), at.y(), 100, 100);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        if (urls_.isEmpty()) data->setText(text_);
        else data->setUrls(urls_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
        // The target may still be asking for the data: stay a moment.
        QTimer::singleShot(2000, qApp, &QApplication::quit);
    }

private:
    QList<QUrl> urls_;
    QString text_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QPoint at(600, 600);
    if (args.size() >= 2 && args[0] == "--at") {
        const QStringList xy = args[1].split(',');
        if (xy.size() == 2) at = QPoint(xy[0].toInt(), xy[1].toInt());
        args = args.mid(2);
    }
    QList<QUrl> urls;
    QString text;
    if (args.size() == 2 && args[0] == "--text") {
        text = args[1];
    } else {
        for (const QString& path : args) urls << QUrl::fromLocalFile(path);
    }
    Source source(urls, text, at);
    source.show();
    return app.exec();
}
