// TUVACustomFrameSet.cpp: showing pages and their frames, following links,
// the history, frameset layouts, and the events of the page editor.
#include "composition/frames/TUVACustomFrameSet.h"

#include "composition/frames/FrameLayoutFile.h"
#include "composition/frames/TUVAFrame.h"
#include "composition/frames/TUVApage.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/FrameMapRecord.h"
#include "model/records/SpecialLinkRecord.h"
#include "textengine/TUVAbox.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>

namespace quor {

namespace {
constexpr std::size_t kFrameRecordSizeField = records::FrameMapRecord::kFrameRecordSize;
}

TUVACustomFrameSet::TUVACustomFrameSet(QWidget* parent) : TUVAFramePanel(parent)
{
    setObjectName(QStringLiteral("UVACustomFrameSet"));
    setFocusPolicy(Qt::StrongFocus);
    m_autoAdvance.setSingleShot(true);
    connect(&m_autoAdvance, &QTimer::timeout, this, [this] {
        if (m_autoAdvanceTarget < 0)
            return;
        PushHistory(m_mainPage);
        FollowLink(this, m_autoAdvanceTarget, nullptr);
    });
}

TUVACustomFrameSet::~TUVACustomFrameSet()
{
    if (m_set && m_set->OnDropPages)
        m_set->OnDropPages = nullptr;
    if (m_root) {
        for (TUVApage* p : PageViews())
            p->DiscardPage();
    }
}

void TUVACustomFrameSet::SetLinkedUVAset(TUVAset* set)
{
    DropPages();
    if (m_set)
        m_set->OnDropPages = nullptr;
    m_set = set;
    if (m_set)
        m_set->OnDropPages = [this] { DropPages(); };
}

std::vector<TUVAFrame*> TUVACustomFrameSet::ChildFrames() const
{
    if (m_root)
        return {m_root};
    return {};
}

std::vector<TUVApage*> TUVACustomFrameSet::PageViews() const
{
    std::vector<TUVApage*> out;
    if (!m_root)
        return out;
    std::vector<TUVAFrame*> leaves;
    m_root->CollectLeaves(leaves);
    for (TUVAFrame* f : leaves)
        if (f->Page())
            out.push_back(f->Page());
    return out;
}

TUVApage* TUVACustomFrameSet::PageOfBox(const TUVAbox* box) const
{
    if (!box)
        return nullptr;
    for (TUVApage* p : PageViews())
        if (p->Box() == box)
            return p;
    return nullptr;
}

TUVApage* TUVACustomFrameSet::CurrentPageView() const
{
    if (TUVApage* p = PageOfBox(m_currentBox))
        return p;
    const auto views = PageViews();
    // The master page's own view, else the first one.
    for (TUVApage* p : views)
        if (p->PageIndex() == m_mainPage)
            return p;
    return views.empty() ? nullptr : views.front();
}

TUVAbox* TUVACustomFrameSet::CurrentBox() const
{
    TUVApage* p = CurrentPageView();
    return p ? p->Box() : nullptr;
}

bool TUVACustomFrameSet::PageModified() const
{
    for (TUVApage* p : PageViews())
        if (p->Modified())
            return true;
    return m_framesChanged;
}

void TUVACustomFrameSet::DropPages()
{
    m_autoAdvance.stop();
    if (m_root) {
        for (TUVApage* p : PageViews())
            p->DiscardPage();
        m_root->hide();
        m_root->setParent(nullptr);
        m_root->deleteLater();
        m_root = nullptr;
    }
    m_mainPage = -1;
    m_history.clear();
    m_currentBox = nullptr;
    m_framesChanged = false;
}

void TUVACustomFrameSet::LeavePage()
{
    m_autoAdvance.stop();
    if (!m_root)
        return;
    const auto views = PageViews();
    for (TUVApage* p : views) {
        if (SaveOnExit)
            p->StorePage();
        else
            p->DiscardPage();
    }
    if (SaveOnExit && m_framesChanged && m_set)
        WriteBackFrameMap(m_mainPage);
    // Nothing of the document stays with the frames that go later.
    for (TUVApage* p : views)
        p->DiscardPage();
    m_root->hide();
    m_root->setParent(nullptr);
    m_root->deleteLater();
    m_root = nullptr;
    m_currentBox = nullptr;
    m_framesChanged = false;
}

void TUVACustomFrameSet::WriteBackFrameMap(int masterIndex)
{
    TUVAoggetto* master = m_set->GetPage(masterIndex);
    if (!master) {
        m_set->Messages().Error(kNoMasterForMap);
        return;
    }
    TUVAoggetto* map = m_set->GetPageFrameSet(masterIndex);
    if (m_root->IsLeaf()) {
        if (map) {
            map->Clear();   // leaves a deleted placeholder
            if (!map->IsDeleted())
                m_set->Messages().Information(kMapFreeProblem);
            master->SetI32(page::kFrameHosting, -1);
            m_set->SetModified(true);
        }
        return;
    }
    int nextId = 1;
    const auto tree = m_root->ToNonVis(1, nextId);
    if (!map) {
        auto obj = TUVAoggetto::CreateCleared(m_set, mappaFrame);
        obj->MarkInUse();
        map = m_set->Register(std::move(obj));
        if (!map)
            return;
    }
    map->SetContentBytes(tree->MapBytes());
    map->SetI32(kFrameRecordSizeField, FrameRecord::kSize);
    master->SetI32(page::kFrameHosting, map->Index());
    m_set->SetModified(true);
}

void TUVACustomFrameSet::ShowRoot(TUVAFrame* root)
{
    m_root = root;
    root->setGeometry(rect());
    root->show();
    root->LayoutChildren();
}

void TUVACustomFrameSet::SetMainPageNumber(int page)
{
    if (m_busy)
        return;
    if (page == m_mainPage && m_root) {
        FocusCurrent();
        return;
    }
    m_busy = true;
    LeavePage();
    m_mainPage = -1;
    if (page < 0 || !m_set) {
        m_busy = false;
        return;
    }
    if (!m_set->GetPage(page)) {
        // An unknown number: a new empty page becomes the master page.
        auto fresh = std::make_unique<TUVAtesto>(m_set);
        fresh->Clear();
        fresh->MarkInUse();
        TUVAoggetto* added = m_set->Register(std::move(fresh));
        page = added ? added->Index() : -1;
        if (page < 0) {
            m_busy = false;
            return;
        }
    }

    auto* root = new TUVAFrame(this, this, this);
    root->CopyViewProperties(*this);
    bool framed = false;
    if (ShowNested) {
        if (TUVAoggetto* map = m_set->GetPageFrameSet(page)) {
            const std::vector<std::uint8_t>* bytes = map->Content() ? map->Content()->Bytes() : nullptr;
            std::unique_ptr<TNonVisCornice> tree;
            if (bytes && !bytes->empty())
                tree = TNonVisCornice::ReadMap(*bytes, map->I32(kFrameRecordSizeField));
            if (tree && !tree->IsLeaf()) {
                root->BuildFrom(*tree);
                framed = true;
            } else {
                m_set->Messages().Warning(kMapProblem);
            }
        }
    }
    if (!framed) {
        FrameRecord r;
        r.name = PageFrameName(page);
        r.page = page;
        r.border = 0;
        TNonVisCornice single;
        single.record = r;
        root->BuildFrom(single);
    }
    root->SetBars(ShowNested ? BarMode::Both : BarMode::None);
    root->CreatePageViews();
    ShowRoot(root);
    std::vector<TUVAFrame*> leaves;
    root->CollectLeaves(leaves);
    for (TUVAFrame* leaf : leaves) {
        const std::int32_t ref = leaf->Record().page;
        const int index = (ref >= 0 && RefKind(ref) == testoHtml) ? RefIndex(ref) : -1;
        leaf->Page()->OpenPage(index);
        leaf->Page()->SetReadOnly(ReadOnly());
        if (TUVAbox* box = leaf->Page()->Box()) {
            box->OnEditStart = [this](TDragCustomControl* c) { emit OnEditStart(c); };
            box->OnEditStop = [this](TDragCustomControl* c) { emit OnEditStop(c); };
        }
    }
    m_mainPage = page;
    m_framesChanged = false;
    m_busy = false;
    emit OnPageChanged();
    FocusCurrent();
    StartAutoAdvance(page);
}

void TUVACustomFrameSet::CommitPages()
{
    const int page = m_mainPage;
    if (page < 0)
        return;
    // Keep the caret where it was.
    int para = -1, index = 0;
    if (TUVAbox* box = CurrentBox()) {
        para = box->Editor().Caret().paragraph;
        index = box->Editor().Caret().index;
    }
    const bool keep = SaveOnExit;
    const auto history = m_history;
    SaveOnExit = true;
    SetMainPageNumber(-1);
    SetMainPageNumber(page);
    SaveOnExit = keep;
    m_history = history;
    if (TUVAbox* box = CurrentBox(); box && para >= 0 && para < box->Model().Count()) {
        box->Editor().SetCaret(para, index);
        box->UpdateCaretRect();
    }
}

void TUVACustomFrameSet::FocusCurrent()
{
    if (TUVAbox* box = CurrentBox(); box && box->isVisible())
        box->setFocus();
}

void TUVACustomFrameSet::StartAutoAdvance(int page)
{
    m_autoAdvance.stop();
    m_autoAdvanceTarget = -1;
    if (!ReadOnly() || !ActivePreview || !m_set)
        return;
    const TUVAtesto* p = m_set->GetPage(page);
    if (!p)
        return;
    const std::int32_t next = p->I32(page::kNextSlide);
    if (next < 0 || RefKind(next) != testoHtml || !m_set->GetPage(RefIndex(next)))
        return;
    int interval = p->I16(page::kSlideDelay) * 1000;
    if (interval < 100)
        interval = 100;
    m_autoAdvanceTarget = RefIndex(next);
    m_autoAdvance.start(interval);
}

void TUVACustomFrameSet::SetReadOnly(bool on)
{
    TUVAFramePanel::SetReadOnly(on);
    for (TUVApage* p : PageViews())
        p->SetReadOnly(on);
    if (on)
        StartAutoAdvance(m_mainPage);
    else
        m_autoAdvance.stop();
}

int TUVACustomFrameSet::HistoryShowTop()
{
    m_autoAdvance.stop();
    if (!m_history.empty())
        SetMainPageNumber(m_history.back());
    return m_mainPage;
}

int TUVACustomFrameSet::HistoryGoBack()
{
    m_autoAdvance.stop();
    if (!m_history.empty()) {
        const int page = m_history.back();
        m_history.pop_back();
        if (m_set && m_set->GetPage(page))
            SetMainPageNumber(page);
    }
    return m_mainPage;
}

void TUVACustomFrameSet::PostLinkActivation(QWidget* source, int link)
{
    QPointer<QWidget> src(source);
    QMetaObject::invokeMethod(
        this,
        [this, src, link] {
            QWidget* s = src.data();
            TUVApage* page = nullptr;
            if (auto* box = qobject_cast<TUVAbox*>(s))
                page = PageOfBox(box);
            FollowLink(s ? s : this, link, page);
        },
        Qt::QueuedConnection);
}

void TUVACustomFrameSet::PostGoToPage(int page)
{
    QMetaObject::invokeMethod(
        this, [this, page] { SetMainPageNumber(page < 0 ? m_mainPage : page); }, Qt::QueuedConnection);
}

void TUVACustomFrameSet::FollowLink(QWidget* source, int link, TUVApage* page)
{
    if (!m_set || m_busy)
        return;
    TUVAoggetto* obj = page ? page->LinkObject(link) : m_set->GetObjectByRef(link);
    if (!obj || obj->IsDeleted())
        return;
    // A copy outlives the working copy the link may belong to.
    auto kept = TUVAoggetto::CreateOfKind(m_set, obj->Kind());
    kept->Assign(*obj);
    kept->SetIndex(obj->Index());
    int target = -1;
    bool jump = false;
    if (obj->Kind() == testoHtml && AutoJump && source != this) {
        target = obj->Index();
        jump = target >= 0;
    } else if (obj->Kind() == speclink && AutoJump) {
        const int sourcePage = page ? page->PageIndex() : m_mainPage;
        switch (obj->SubKind()) {
        case records::SpecialLinkRecord::kJump: {
            const std::int32_t ref = obj->I32(records::SpecialLinkRecord::kTarget);
            if (ref >= 0 && RefKind(ref) == testoHtml)
                target = RefIndex(ref);
            break;
        }
        case records::SpecialLinkRecord::kPreviousPage: target = m_set->PreviousPage(sourcePage); break;
        case records::SpecialLinkRecord::kNextPage: target = m_set->NextPage(sourcePage); break;
        default: break;
        }
        jump = target >= 1 && target <= 0xFFFFFF;
    }
    if (jump) {
        PushHistory(m_mainPage);
        SetMainPageNumber(target);
    }
    emit OnDoLink(source, kept.get());
}

bool TUVACustomFrameSet::SaveFrameLayout(std::vector<std::uint8_t>& out, int pageMode)
{
    if (!m_root) {
        if (m_set)
            m_set->Messages().Error(kFrameSaveError);
        return false;
    }
    int nextId = 1;
    out = FrameLayoutFile::Write(*m_root->ToNonVis(pageMode, nextId));
    return true;
}

bool TUVACustomFrameSet::LoadFrameLayout(std::span<const std::uint8_t> bytes, int mode)
{
    FrameLayoutRead r = FrameLayoutFile::Read(bytes);
    if (r.empty)
        return false;
    if (!r.root) {
        if (m_set)
            m_set->Messages().Error(r.error);
        return false;
    }
    if (mode == 1) {
        for (TNonVisCornice* leaf : r.root->Leaves())
            leaf->record.page = -1;
    }
    // The master page stays in the root's place when the layout has a single frame.
    if (r.root->IsLeaf())
        r.root->record.page = m_mainPage;
    const int master = m_mainPage;
    for (TUVApage* p : PageViews()) {
        if (SaveOnExit)
            p->StorePage();
        p->DiscardPage();
    }
    if (m_root) {
        m_root->hide();
        m_root->setParent(nullptr);
        m_root->deleteLater();
        m_root = nullptr;
    }
    auto* root = new TUVAFrame(this, this, this);
    root->CopyViewProperties(*this);
    root->BuildFrom(*r.root);
    root->SetBars(ShowNested ? BarMode::Both : BarMode::None);
    root->CreatePageViews();
    ShowRoot(root);
    std::vector<TUVAFrame*> leaves;
    root->CollectLeaves(leaves);
    for (TUVAFrame* leaf : leaves) {
        const std::int32_t ref = leaf->Record().page;
        leaf->Page()->OpenPage(ref >= 0 && RefKind(ref) == testoHtml ? RefIndex(ref) : -1);
    }
    m_mainPage = master;
    FramesChanged();
    return true;
}

bool TUVACustomFrameSet::SplitFrame(TUVAFrame* frame, bool rows, int size)
{
    if (!frame || ReadOnly() || !m_set)
        return false;
    if (!frame->Split(rows, size)) {
        m_set->Messages().Error("?");
        return false;
    }
    for (TUVApage* p : PageViews()) {
        if (TUVAbox* box = p->Box()) {
            box->OnEditStart = [this](TDragCustomControl* c) { emit OnEditStart(c); };
            box->OnEditStop = [this](TDragCustomControl* c) { emit OnEditStop(c); };
        }
    }
    FocusCurrent();
    FramesChanged();
    return true;
}

void TUVACustomFrameSet::PostDeleteFrame(TUVAFrame* frame)
{
    QPointer<TUVAFrame> f(frame);
    QMetaObject::invokeMethod(this, [this, f] { if (f) DeleteFrame(f); }, Qt::QueuedConnection);
}

bool TUVACustomFrameSet::DeleteFrame(TUVAFrame* frame)
{
    TUVAFrame* parent = frame ? frame->ParentFrame() : nullptr;
    if (!parent || !m_set)
        return false;
    auto keepSmall = [this](TUVAFrame* f, std::string_view message) {
        f->Record().sizeKind = fsPixels;
        f->Record().pixels = 60;
        f->resize(60, 60);
        f->ParentFrame()->LayoutChildren();
        m_set->Messages().Information(message);
        return false;
    };
    if (!frame->IsLeaf())
        return keepSmall(frame, kDeleteChildrenFirst);
    const auto& siblings = parent->Children();
    if (siblings.size() == 2) {
        TUVAFrame* other = siblings[0] == frame ? siblings[1] : siblings[0];
        if (!other->IsLeaf())
            return keepSmall(frame, kModifyAnotherFrame);
    }
    if (TUVApage* page = frame->Page()) {
        if (!page->IsNewPage())
            page->StorePage();
        else if (page->Modified() && m_set->Messages().AskYesNo(kSaveDeletedFrame))
            page->StorePage();
        page->DiscardPage();
    }
    if (m_currentBox && frame->isAncestorOf(m_currentBox))
        m_currentBox = nullptr;
    parent->RemoveChild(frame);
    FocusCurrent();
    FramesChanged();
    return true;
}

void TUVACustomFrameSet::FramesChanged()
{
    m_framesChanged = true;
    emit OnFrameSetChanged();
}

void TUVACustomFrameSet::PageModifiedChanged(TUVApage* page)
{
    emit OnSelectionChange(page ? static_cast<QWidget*>(page->Box()) : nullptr);
}

void TUVACustomFrameSet::SelectionChanged(TUVAbox* box)
{
    if (box)
        m_currentBox = box;
    emit OnSelectionChange(box);
}

void TUVACustomFrameSet::RulerPosChanged(TUVAbox* box)
{
    emit OnRulerPosChanged(box);
}

void TUVACustomFrameSet::DoLink(TUVAbox* box, int link)
{
    if (!isEnabled())
        return;
    PostLinkActivation(box, link);
}

void TUVACustomFrameSet::DropFiles(TUVAbox* box, const QStringList& files)
{
    if (!Wrapper)
        emit OnDropFile(files, box);
}

void TUVACustomFrameSet::OpenHypertextFiles(TUVAbox* box, const QStringList& files)
{
    if (!Wrapper)
        emit OnDropFile(files, nullptr);
}

void TUVACustomFrameSet::ImageFromClip(TUVAbox* box)
{
    emit OnImageFromClip(box);
}

void TUVACustomFrameSet::Clicked(TUVAbox* box)
{
    if (box)
        m_currentBox = box;
}

void TUVACustomFrameSet::RememberBox(TUVAbox* box)
{
    if (m_currentBox && m_currentBox != box) {
        m_currentBox->Editor().ClearSelection();
        m_currentBox->update();
    }
    m_currentBox = box;
}

int TUVACustomFrameSet::LinkKind(int link) const
{
    TUVApage* p = CurrentPageView();
    const TUVAoggetto* o = p ? p->LinkObject(link) : nullptr;
    return o ? o->Kind() : -1;
}

QString TUVACustomFrameSet::LinkDescription(int link) const
{
    TUVApage* p = CurrentPageView();
    const TUVAoggetto* o = p ? p->LinkObject(link) : nullptr;
    return o ? QString::fromLatin1(o->GetDescription().c_str()) : QString();
}

void TUVACustomFrameSet::resizeEvent(QResizeEvent* event)
{
    TUVAFramePanel::resizeEvent(event);
    if (m_root)
        m_root->setGeometry(rect());
}

void TUVACustomFrameSet::keyPressEvent(QKeyEvent* event)
{
    TUVApage* p = CurrentPageView();
    if (!p) {
        TUVAFramePanel::keyPressEvent(event);
        return;
    }
    QScrollBar* v = p->verticalScrollBar();
    QScrollBar* h = p->horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up: v->setValue(v->value() - 20); break;
    case Qt::Key_Down: v->setValue(v->value() + 20); break;
    case Qt::Key_Left: h->setValue(h->value() - 20); break;
    case Qt::Key_Right: h->setValue(h->value() + 20); break;
    default: TUVAFramePanel::keyPressEvent(event); return;
    }
}

} // namespace quor
