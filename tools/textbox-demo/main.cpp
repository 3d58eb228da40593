// textbox-demo: opens a hypertext file (.uva, shows a page) or a markup file
// and shows its formatted text in a text box under a ruler, with a caret.
//
//   textbox-demo FILE [--page N] [--caret P:I] [--screenshot OUT.png]
//
// With --screenshot the window is grabbed once it has been painted and the
// program ends.
#include "base/Cp1252.h"
#include "composition/TZuRuler.h"
#include "model/ParagraphStyle.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/Units.h"
#include "textengine/DocumentStyleSource.h"
#include "textengine/ITextBoxHost.h"
#include "textengine/ParagraphLayout.h"
#include "textengine/TUVAbox.h"
#include "textengine/TUVAcursor.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

using namespace quor;

// Shows the indents of the caret's paragraph on the ruler.
class DemoHost : public ITextBoxHost {
public:
    explicit DemoHost(TZuRuler* ruler) : m_ruler(ruler) {}

    void RulerPosChanged(TUVAbox* box) override { Show(box); }
    void SelectionChanged(TUVAbox* box) override { Show(box); }

private:
    void Show(TUVAbox* box)
    {
        const int p = box->Editor().Caret().paragraph;
        if (p < 0 || p >= box->Model().Count())
            return;
        const ParagraphMeasures m = ParagraphMeasures::Of(box->Model().At(p), 0);
        m_ruler->SetWindowSize(box->Model().TextWidth());
        m_ruler->SetMargLeft(m_ruler->ToUnit(m.left));
        m_ruler->SetIndent(m_ruler->ToUnit(m.firstIndent));
        m_ruler->SetMargRight(m_ruler->ToUnit(m.right));
    }

    TZuRuler* m_ruler;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: textbox-demo FILE [--page N] [--caret P:I] [--screenshot OUT.png]\n");
        return 2;
    }
    const QString file = args.at(1);
    int page = 0;
    int caretPara = -1;
    int caretIndex = 0;
    QString screenshot;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--page"))
            page = args.at(i + 1).toInt();
        else if (args.at(i) == QLatin1String("--screenshot"))
            screenshot = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--caret")) {
            const QStringList parts = args.at(i + 1).split(QLatin1Char(':'));
            caretPara = parts.value(0).toInt();
            caretIndex = parts.value(1).toInt();
        }
    }

    // The text and the styles it refers to.
    std::string markup;
    StyleTable plainStyles;
    TUVAset set;
    std::unique_ptr<DocumentStyleSource> documentStyles;
    const IStyleSource* styles = &plainStyles;
    if (QFileInfo(file).suffix().compare(QLatin1String("uva"), Qt::CaseInsensitive) == 0) {
        if (!set.LoadFromFile(file.toStdString())) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(file));
            return 1;
        }
        TUVAtesto* text = set.GetPage(page);
        if (!text) {
            std::fprintf(stderr, "no page %d\n", page);
            return 1;
        }
        markup = text->Text();
        documentStyles = std::make_unique<DocumentStyleSource>(set);
        styles = documentStyles.get();
    } else {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(file));
            return 1;
        }
        markup = f.readAll().toStdString();
        while (!markup.empty() && (markup.back() == '\n' || markup.back() == '\r'))
            markup.pop_back();
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Quor text box - %1").arg(QFileInfo(file).fileName()));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    auto* ruler = new TZuRuler(&window);
    ruler->setFixedHeight(22);
    ruler->SetWindowStartOfs(1);
    layout->addWidget(ruler);
    auto* frame = new QScrollArea(&window);
    frame->setWidgetResizable(false);
    frame->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(frame, 1);

    DemoHost host(ruler);
    auto* box = new TUVAbox;
    box->SetHost(&host);
    box->SetSelectOnFocus(false); // a page box fills its frame: no handles around it
    box->SetBackgroundColour(Qt::white);
    frame->setWidget(box);
    box->SetTextWidth(560);
    box->LoadText(markup, styles);

    window.resize(620, 560);
    window.show();
    box->setFocus();
    if (caretPara >= 0) {
        box->Editor().SetCaret(caretPara, caretIndex);
        box->UpdateCaretRect();
    }
    host.RulerPosChanged(box); // the frame has its final width now

    if (!screenshot.isEmpty()) {
        QTimer::singleShot(300, &window, [&] {
            box->Caret().Solid();
            QApplication::processEvents();
            const bool ok = window.grab().save(screenshot);
            std::printf("%s %s\n", ok ? "saved" : "could not save", qPrintable(screenshot));
            app.exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
