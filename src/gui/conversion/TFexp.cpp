#include "conversion/TFexp.h"

#include "base/Cp1252.h"
#include "base/IMessages.h"
#include "conversion/TFopzExp.h"
#include "conversion/TUVAListHtmlToTx.h"
#include "conversion/TUVAtoHtml.h"
#include "model/TUVAset.h"
#include "shell/AppSettings.h"
#include "shell/LocalizedWindows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quor {

QUOR_REGISTER_LOCALIZED_WINDOW(TFexp, QStringLiteral("Fexp"));

namespace {

struct FormatEntry {
    const char* text;
    int code;
};

// The format chooser, in order.
constexpr FormatEntry kFormats[] = {
    {"HTML", kFormatHtml},
    {"RTF (Word, Word Perfect, Publisher, ...): one file only", kFormatRtfOneFile},
    {"RTF (Word, Word Perfect, Publisher, ...): a file per page", kFormatRtfPerPage},
    {"ASCII (Notes,...)", kFormatAscii},
    {"DOC (Word): one file only", kFormatDoc},
};

// Where exports go when no folder is stored: the system's temporary folder.
std::string DefaultFolder()
{
    return (QDir::tempPath() + QLatin1Char('/')).toStdString();
}

std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder;
}

QSpinBox* MillimetreBox(QWidget* parent, const char* name)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 2000);
    return box;
}

} // namespace

TFexp::TFexp(QWidget* parent) : QuorDialog(parent)
{
    // Designed texts; the localisation text replaces them below.
    setObjectName(QStringLiteral("Fexp"));
    setWindowTitle(QStringLiteral("Esportazione"));

    auto* formatLabel = new QLabel(QStringLiteral("&Formato:"), this);
    formatLabel->setObjectName(QStringLiteral("LFormat"));
    m_formatBox = new QComboBox(this);
    m_formatBox->setObjectName(QStringLiteral("CBFormat"));
    formatLabel->setBuddy(m_formatBox);
    for (const auto& f : kFormats)
        m_formatBox->addItem(QString::fromLatin1(f.text), f.code);
    // Formats whose converter is not part of this build are shown, not offered.
    if (auto* model = qobject_cast<QStandardItemModel*>(m_formatBox->model())) {
        for (int i = 0; i < m_formatBox->count(); ++i) {
            if (!FormatAvailable(m_formatBox->itemData(i).toInt()))
                model->item(i)->setEnabled(false);
        }
    }

    auto* folderLabel = new QLabel(QStringLiteral("&Cartella di destinazione:"), this);
    folderLabel->setObjectName(QStringLiteral("LFolder"));
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("EFolder"));
    folderLabel->setBuddy(m_folder);
    m_browse = new QToolButton(this);
    m_browse->setObjectName(QStringLiteral("BBrowse"));
    m_browse->setText(QStringLiteral("..."));
    m_browse->setToolTip(QStringLiteral("Scegli la cartella"));

    m_fileLabel = new QLabel(QStringLiteral("&Nome file:"), this);
    m_fileLabel->setObjectName(QStringLiteral("LFileName"));
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("EFileName"));
    m_fileLabel->setBuddy(m_fileName);

    m_pageBox = new QGroupBox(QStringLiteral("Pagina (mm)"), this);
    m_pageBox->setObjectName(QStringLiteral("GBPage"));
    m_width = MillimetreBox(m_pageBox, "SEWidth");
    m_height = MillimetreBox(m_pageBox, "SEHeight");
    m_top = MillimetreBox(m_pageBox, "SETop");
    m_bottom = MillimetreBox(m_pageBox, "SEBottom");
    m_left = MillimetreBox(m_pageBox, "SELeft");
    m_right = MillimetreBox(m_pageBox, "SERight");
    auto* pageGrid = new QGridLayout(m_pageBox);
    const struct {
        const char* name;
        const char* text;
        QSpinBox* box;
    } pageFields[] = {{"LWidth", "Larghezza", m_width},   {"LHeight", "Altezza", m_height},
                      {"LTop", "Margine sup.", m_top},     {"LBottom", "Margine inf.", m_bottom},
                      {"LLeft", "Margine sx", m_left},     {"LRight", "Margine dx", m_right}};
    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel(QString::fromLatin1(pageFields[i].text), m_pageBox);
        label->setObjectName(QString::fromLatin1(pageFields[i].name));
        label->setBuddy(pageFields[i].box);
        pageGrid->addWidget(label, i / 2, (i % 2) * 2);
        pageGrid->addWidget(pageFields[i].box, i / 2, (i % 2) * 2 + 1);
    }

    m_list = new TUVAListHtmlToTx(this);
    m_list->setObjectName(QStringLiteral("ListFiles"));
    m_list->setMinimumSize(520, 220);

    m_all = new QPushButton(QStringLiteral("All"), this);
    m_all->setObjectName(QStringLiteral("BAll"));
    m_choose = new QPushButton(QStringLiteral("Scegli..."), this);
    m_choose->setObjectName(QStringLiteral("BChoose"));
    m_choose->setToolTip(QStringLiteral("Seleziona le pagine evidenziate nella lista"));
    m_current = new QPushButton(QStringLiteral("Pagina &corrente"), this);
    m_current->setObjectName(QStringLiteral("BCurrent"));
    m_options = new QPushButton(QStringLiteral("Html..."), this);
    m_options->setObjectName(QStringLiteral("BOptions"));
    m_export = new QPushButton(QStringLiteral("&Esporta"), this);
    m_export->setObjectName(QStringLiteral("BExport"));
    m_export->setDefault(true);
    m_close = new QPushButton(QStringLiteral("C&hiudi"), this);
    m_close->setObjectName(QStringLiteral("BClose"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LStatus"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);

    auto* top = new QGridLayout;
    top->addWidget(formatLabel, 0, 0);
    top->addWidget(m_formatBox, 0, 1, 1, 2);
    top->addWidget(folderLabel, 1, 0);
    top->addWidget(m_folder, 1, 1);
    top->addWidget(m_browse, 1, 2);
    top->addWidget(m_fileLabel, 2, 0);
    top->addWidget(m_fileName, 2, 1, 1, 2);
    top->setColumnStretch(1, 1);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_all);
    listButtons->addWidget(m_choose);
    listButtons->addWidget(m_current);
    listButtons->addStretch(1);
    listButtons->addWidget(m_options);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pageBox);
    layout->addWidget(m_list, 1);
    layout->addLayout(listButtons);
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    connect(m_formatBox, &QComboBox::activated, this, [this](int row) {
        if (!SelectFormat(m_formatBox->itemData(row).toInt()))
            m_formatBox->setCurrentIndex(m_formatBox->findData(m_format));
    });
    connect(m_browse, &QToolButton::clicked, this, [this] {
        const QString dir = QFileDialog::getExistingDirectory(this, QString(), QString::fromStdString(Folder()));
        if (!dir.isEmpty())
            SetFolder(dir.toStdString());
    });
    connect(m_folder, &QLineEdit::editingFinished, this, [this] {
        if (m_conv && m_format == kFormatHtml && fs::path(Folder()) != fs::path(m_conv->ExportPath)) {
            m_conv->ExportPath = Folder();
            Refill(true);
        }
    });
    connect(m_all, &QPushButton::clicked, this, &TFexp::ToggleAll);
    connect(m_choose, &QPushButton::clicked, this, &TFexp::CheckSelected);
    connect(m_current, &QPushButton::clicked, this, &TFexp::CheckCurrentPage);
    connect(m_options, &QPushButton::clicked, this, &TFexp::EditHtmlOptions);
    connect(m_export, &QPushButton::clicked, this, &TFexp::Export);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    FinishCreation();
    ShowSettings(ExportDialogSettings::Load(AppSettings(), m_format, DefaultFolder()));
    Reconfigure();
}

TFexp::~TFexp()
{
    m_list->LinkedUVAtoHtml = nullptr;
}

bool TFexp::FormatAvailable(int format)
{
    return format == kFormatHtml;
}

void TFexp::Setup(TUVAtoHtml* conv, IMessages* messages, int currentPage)
{
    m_conv = conv;
    m_messages = messages;
    m_currentPage = currentPage;
    m_list->LinkedUVAtoHtml = conv;
    if (m_conv && m_format == kFormatHtml)
        m_conv->ExportPath = Folder();
    Refill(false);
}

std::string TFexp::DocumentBaseName() const
{
    const TUVAset* doc = m_conv ? m_conv->LinkedUVAset : nullptr;
    if (!doc || doc->UVAFileName().empty())
        return "Untitled";
    return fs::path(doc->UVAFileName()).stem().string();
}

void TFexp::Propose(const std::string& fileName)
{
    int codes[std::size(kFormats)];
    int count = 0;
    for (const auto& f : kFormats) {
        if (FormatAvailable(f.code))
            codes[count++] = f.code;
    }
    const int format = ExportFormatForFile(fileName, codes, count);
    if (format < 0)
        return;
    SelectFormat(format);
    const fs::path path(fileName);
    m_fileName->setText(QString::fromStdString(path.filename().string()));
    if (path.has_parent_path())
        SetFolder(WithSeparator(path.parent_path().string()));
}

bool TFexp::SelectFormat(int format)
{
    if (!FormatAvailable(format))
        return false;
    if (format != m_format) {
        StoreSettings();
        m_format = format;
        ShowSettings(ExportDialogSettings::Load(AppSettings(), m_format, DefaultFolder()));
    }
    m_formatBox->setCurrentIndex(m_formatBox->findData(m_format));
    Reconfigure();
    Refill(false);
    return true;
}

std::string TFexp::Folder() const
{
    return m_folder->text().trimmed().toStdString();
}

void TFexp::SetFolder(const std::string& folder)
{
    m_folder->setText(QString::fromStdString(folder));
    if (m_conv && m_format == kFormatHtml) {
        m_conv->ExportPath = folder;
        Refill(true);
    }
}

std::string TFexp::MainFileName() const
{
    return m_fileName->text().trimmed().toStdString();
}

ExportDialogSettings TFexp::CurrentSettings() const
{
    ExportDialogSettings s;
    s.folder = WithSeparator(Folder());
    s.width = m_width->value();
    s.height = m_height->value();
    s.top = m_top->value();
    s.bottom = m_bottom->value();
    s.left = m_left->value();
    s.right = m_right->value();
    return s;
}

void TFexp::ShowSettings(const ExportDialogSettings& s)
{
    m_folder->setText(QString::fromStdString(s.folder));
    m_width->setValue(s.width);
    m_height->setValue(s.height);
    m_top->setValue(s.top);
    m_bottom->setValue(s.bottom);
    m_left->setValue(s.left);
    m_right->setValue(s.right);
}

void TFexp::StoreSettings()
{
    CurrentSettings().Store(AppSettings(), m_format);
}

void TFexp::Reconfigure()
{
    const bool html = m_format == kFormatHtml;
    m_options->setVisible(html);
    m_pageBox->setVisible(!html && m_format != kFormatAscii);
    const bool oneFile = m_format != kFormatHtml && m_format != kFormatRtfPerPage;
    m_fileLabel->setVisible(oneFile);
    m_fileName->setVisible(oneFile);
    m_list->ListType = html ? ltHtml : (m_format == kFormatRtfPerPage ? ltManyFiles : ltOneFile);
    const char* ext = m_format == kFormatAscii ? ".txt" : (m_format == kFormatDoc ? ".doc" : ".rtf");
    if (oneFile)
        m_fileName->setText(QString::fromStdString(DocumentBaseName() + ext));
    if (m_conv && html)
        m_conv->ExportPath = Folder();
}

void TFexp::Refill(bool keepMarks)
{
    const std::vector<bool> marks = m_list->CheckMarks();
    m_list->Reload();
    if (keepMarks) {
        m_list->SetCheckMarks(marks);
    } else if (m_format != kFormatRtfPerPage) {
        m_list->SetAllChecked(true);
    }
    m_all->setText(QStringLiteral("All"));
}

void TFexp::ToggleAll()
{
    const bool checking = m_all->text() == QStringLiteral("All");
    m_list->SetAllChecked(checking);
    m_all->setText(checking ? QStringLiteral("None") : QStringLiteral("All"));
}

void TFexp::CheckCurrentPage()
{
    m_list->SetAllChecked(false);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        const ObjectRef ref = TUVAListHtmlToTx::RefOf(item);
        // The style sheet goes with every HTML export; keep its row checked.
        if (ref == kNoRef || ref == MakeRef(testoHtml, m_currentPage))
            item->setCheckState(TUVAListHtmlToTx::colTitle, Qt::Checked);
    }
}

void TFexp::CheckSelected()
{
    for (QTreeWidgetItem* item : m_list->selectedItems())
        item->setCheckState(TUVAListHtmlToTx::colTitle, Qt::Checked);
}

void TFexp::EditHtmlOptions()
{
    if (!m_conv)
        return;
    TFopzExp options(this);
    if (options.Execute(*m_conv))
        Refill(true);
}

QString TFexp::ProgressText(int pag, int tot, int phase)
{
    const long long percent = tot > 0 ? static_cast<long long>(pag) * 100 / tot : 0;
    return QStringLiteral("Exporting, phase %1: %2%").arg(phase).arg(percent);
}

QString TFexp::StatusText() const
{
    return m_status->text();
}

bool TFexp::Export()
{
    StoreSettings();
    if (!FormatAvailable(m_format) || !m_conv)
        return false;
    return ExportHtml();
}

bool TFexp::ExportHtml()
{
    IMessages& messages = m_messages ? *m_messages : m_conv->LinkedUVAset->Messages();
    const std::string folder = WithSeparator(Folder());
    std::error_code ec;
    if (!folder.empty())
        fs::create_directories(fs::path(folder), ec);
    if (folder.empty() || !fs::is_directory(fs::path(folder), ec)) {
        messages.Error("Error creating directory: \"" + Utf8ToCp1252(folder) + "\" check the \"path\" tab.");
        return false;
    }
    m_conv->ExportPath = folder;
    m_conv->SetPrefixOverride({});   // the prefix is the hypertext's own

    const auto previousProgress = m_conv->OnExpProgress;
    const auto previousBeforePage = m_conv->OnBeforePage;
    const bool previousRedirects = m_conv->WriteRedirects;
    m_conv->OnExpProgress = [this](TUVAconv&, int pag, int tot, int phase) {
        m_status->setText(ProgressText(pag, tot, phase));
        m_status->repaint();
    };
    m_conv->OnBeforePage = [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    m_conv->WriteRedirects = true;
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = m_conv->ExportPages(m_list->CheckedPages());
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    m_conv->OnExpProgress = previousProgress;
    m_conv->OnBeforePage = previousBeforePage;
    m_conv->WriteRedirects = previousRedirects;

    if (!ok) {
        m_status->clear();
        messages.Error(m_conv->LastError().empty() ? std::string("Export failed.") : m_conv->LastError());
        Refill(true);
        return false;
    }
    m_status->setText(QStringLiteral("Export done: %1 files written into %2")
                          .arg(m_conv->WrittenFiles().size())
                          .arg(QString::fromStdString(folder)));
    // The list shows the sizes of the files just written.
    Refill(true);
    return true;
}

} // namespace quor
