// Drops on a box: files go to the host (hypertext files only while browsing),
// text is inserted at the drop point; text dragged from a box keeps its
// formatting, and a move takes it out of its source.
#include "textengine/BoxFixture.h"

#include "textengine/MarkupText.h"

#include <QClipboard>
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
    void Drop(const QPoint& at, QMimeData* mime, Qt::DropAction action = Qt::CopyAction, TUVAbox* target = nullptr)
    {
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(action);
        if (!target)
            target = box;
        // Delivered straight to the box: the application drops drop events
        // when no drag of its own is under way.
        static_cast<QObject*>(target)->event(&drop);
    }
    // What a drag started in `source` carries.
    static std::unique_ptr<QMimeData> Dragged(TUVAbox* source)
    {
        std::unique_ptr<QMimeData> mime(source->SelectionMimeData());
        mime->setData("application/x-quor-box-text", QByteArray::number(reinterpret_cast<quintptr>(source)));
        return mime;
    }
    // Style bits of every character of a paragraph, as a string of digits.
    static std::string Bits(const TUVAparag& par)
    {
        std::string out;
        for (int i = 0; i < par.Length(); ++i)
            out += static_cast<char>('0' + par.FontAt(i).style);
        return out;
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
    mime->setText(QStringLiteral("big\r\nwide "));
    Drop(CharPoint(0, 6), mime.get());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Hello big", "wide world"}));
}

TEST_F(BoxDrop, AMoveWithinTheBoxKeepsFontsAndLinks)
{
    Load("<Z S0 >ab<Y y1 >cd<Y y0 > <$6f000002>ef<%> gh<Z S0 >tail");
    box->Editor().Select(0, 2, 0, 7); // "cd ef", bold and linked parts
    auto mime = Dragged(box);
    Drop(CharPoint(1, 2), mime.get(), Qt::MoveAction); // into "tail", after "ta"
    EXPECT_EQ(Texts(), (std::vector<std::string>{"ab gh", "tacd efil"}));
    const TUVAparag& par = box->Model().At(1);
    EXPECT_EQ(Bits(par), "001100000");
    // A local link stays within its own text.
    for (int i = 0; i < par.Length(); ++i)
        EXPECT_EQ(par.Records()[static_cast<std::size_t>(i)].link, i == 5 || i == 6 ? 0x6F000002 : -1) << i;
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Selection deletion", "Drop insertion"}));
    EXPECT_EQ(box->Editor().Caret().paragraph, 1);
    EXPECT_EQ(box->Editor().Caret().index, 7); // after the dropped text

    // A drop inside the dragged selection does nothing.
    box->Editor().Select(1, 2, 1, 7);
    auto again = Dragged(box);
    Drop(CharPoint(1, 4), again.get(), Qt::MoveAction);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"ab gh", "tacd efil"}));
}

TEST_F(BoxDrop, ParagraphsDraggedToAnotherBoxKeepTheirFormatting)
{
    Load("<Z S0 >one <Y y2 >two<Z S1 A2 >three <$6f000001>four<%>");
    TUVAbox* other = new TUVAbox(&window);
    other->move(10, 150);
    other->SetHost(&host);
    other->SetUndo(&undo, &messages);
    other->SetTextWidth(400);
    other->LoadText("<Z S0 >[]", &styles);
    other->show();
    box->Editor().Select(0, 4, 1, 10); // "two", the break, "three four"

    auto copy = Dragged(box);
    const TCaretPos at = other->Model().CaretAt(0, 1);
    Drop({at.x, at.y + at.height / 2}, copy.get(), Qt::CopyAction, other);
    std::vector<std::string> texts;
    for (const auto& p : other->Model().Paragraphs())
        texts.push_back(p->Text());
    EXPECT_EQ(texts, (std::vector<std::string>{"[two", "three four]"}));
    EXPECT_EQ(Bits(other->Model().At(0)), "0222");
    EXPECT_EQ(other->Model().At(1).Style().Base().id, 1);
    EXPECT_EQ(other->Model().At(1).Style().Alignment(), 2);
    // The local link of the other text is not carried over; its text is.
    for (const TCharRec& r : other->Model().At(1).Records())
        EXPECT_EQ(r.link, -1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"one two", "three four"})); // a copy leaves the source alone

    // A move takes the text out of the source.
    box->Editor().Select(0, 0, 0, 4);
    auto moved = Dragged(box);
    Drop({at.x, at.y + at.height / 2}, moved.get(), Qt::MoveAction, other);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"two", "three four"}));
    EXPECT_EQ(MarkupText::PlainText(other->SaveText()), "[one two\r\nthree four]");
}

TEST_F(BoxDrop, ASelectionHoldingAnObjectIsCopiedNotMoved)
{
    Load("<Z S0 >abcd<Z S0 >end");
    box->Editor().SetCaret(0, 2);
    ASSERT_TRUE(box->Editor().InsertObject(EmbeddedObject{nullptr, 1, kObjectKindPicturePlacement}, 20, 10));
    box->Editor().Select(0, 1, 0, 4); // "b", the object, "c"
    auto mime = Dragged(box);
    Drop(CharPoint(1, 3), mime.get(), Qt::MoveAction);
    // The object would be lost in a move: the source keeps it and its text.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"ab cd", "endb c"}));
    EXPECT_NE(box->Model().At(0).ObjectAt(2), nullptr);
}

TEST_F(BoxDrop, CutAndPasteCarryTheMarkup)
{
    Load("<Z S0 >x<Y y1 >bold<Y y0 >y");
    box->Editor().Select(0, 1, 0, 5);
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"xy"}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("bold")); // other programs get plain text
    box->Editor().SetCaret(0, 2);
    ASSERT_TRUE(box->PasteFromClipboard());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"xybold"}));
    EXPECT_EQ(Bits(box->Model().At(0)), "001111");
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Selection deletion", "Clipboard insertion"}));
}

} // namespace
} // namespace quor::testing
