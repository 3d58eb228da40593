// Drops on a box: files go to the host (hypertext files only while browsing),
// text is inserted at the drop point.
#include "textengine/BoxFixture.h"

#include <QMimeData>
#include <QUrl>

namespace quor::testing {
namespace {

class FileHost : public RecordingHost {
public:
    void DropFiles(TUVAbox*, const QStringList& f) override { dropped = f; }
    void OpenHypertextFiles(TUVAbox*, const QStringList& f) override { opened = f; }
    bool IsWrapper() const override { return wrapper; }
    QStringList dropped;
    QStringList opened;
    bool wrapper = false;
};

class BoxDrop : public BoxFixture {
protected:
    void Drop(const QPoint& at, QMimeData* mime)
    {
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        // Delivered straight to the box: the application drops drop events
        // when no drag of its own is under way.
        static_cast<QObject*>(box)->event(&drop);
    }
    static QMimeData* Files(const QStringList& names)
    {
        auto* mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString& n : names)
            urls << QUrl::fromLocalFile(n);
        mime->setUrls(urls);
        return mime;
    }
    FileHost files;
};

TEST_F(BoxDrop, FilesGoToTheHostAccordingToTheMode)
{
    Load("<Z S0 >Hello world");
    box->SetHost(&files);
    std::unique_ptr<QMimeData> mime(Files({"/tmp/a.uva", "/tmp/b.txt"}));
    Drop(CharPoint(0, 6), mime.get());
    EXPECT_EQ(files.dropped, (QStringList{"/tmp/a.uva", "/tmp/b.txt"}));
    EXPECT_EQ(box->Editor().Caret().index, 6); // the caret moved to the drop point

    files.dropped.clear();
    box->SetReadOnly(true);
    Drop(CharPoint(0, 2), mime.get());
    EXPECT_TRUE(files.dropped.isEmpty());
    EXPECT_EQ(files.opened, (QStringList{"/tmp/a.uva"})); // only hypertext files while browsing

    files.opened.clear();
    files.wrapper = true;
    Drop(CharPoint(0, 2), mime.get());
    EXPECT_TRUE(files.opened.isEmpty());
}

TEST_F(BoxDrop, TextFromOutsideIsInsertedAtTheDropPoint)
{
    Load("<Z S0 >Hello world");
    auto mime = std::make_unique<QMimeData>();
    mime->setText(QStringLiteral("big "));
    Drop(CharPoint(0, 6), mime.get());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Hello big world"}));
}

} // namespace
} // namespace quor::testing
