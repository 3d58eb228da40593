// TFexp.h: the export dialog: the format, the target folder, which pages (all,
// chosen in the list, the current one), the HTML options, and the export with
// its progress in the status line. Choices are kept per format under
// "exp\\" + format code.
#pragma once

#include "conversion/ExportSettings.h"
#include "shell/QuorDialog.h"

#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace quor {

class IMessages;
class TUVAListHtmlToTx;
class TUVAtoHtml;

class TFexp : public QuorDialog {
    Q_OBJECT
public:
    explicit TFexp(QWidget* parent = nullptr);
    ~TFexp() override;

    // The converter (linked to the hypertext to export), where messages go and
    // the page being edited (-1 when none). Refills the list.
    void Setup(TUVAtoHtml* conv, IMessages* messages, int currentPage);
    // Takes a proposed file name: selects the first format whose extensions
    // hold its extension and takes its folder; otherwise keeps the first
    // format and its stored folder.
    void Propose(const std::string& fileName);

    // Stores the choices of the format shown, loads those of `format` and
    // shows what it needs. Formats whose converter is missing are refused.
    bool SelectFormat(int format);
    int Format() const { return m_format; }
    static bool FormatAvailable(int format);

    // Target folder (UTF-8) and main file name as shown.
    std::string Folder() const;
    void SetFolder(const std::string& folder);
    std::string MainFileName() const;

    // "All" checks every item and turns into "None", which unchecks them.
    void ToggleAll();
    // Checks only the page being edited.
    void CheckCurrentPage();
    // Checks the items selected in the list as well.
    void CheckSelected();
    // Opens the HTML options; the list is refilled after a change.
    void EditHtmlOptions();

    // Stores the settings and exports the checked pages in the chosen format;
    // true on success. Failures are shown as messages.
    bool Export();

    TUVAListHtmlToTx* List() const { return m_list; }
    QString StatusText() const;
    // Status text of a progress report; a phase without items counts as 0%.
    static QString ProgressText(int pag, int tot, int phase);

private:
    ExportDialogSettings CurrentSettings() const;
    void ShowSettings(const ExportDialogSettings& s);
    void StoreSettings();
    void Reconfigure();
    void Refill(bool keepMarks);
    bool ExportHtml();
    std::string DocumentBaseName() const;

    TUVAtoHtml* m_conv = nullptr;
    IMessages* m_messages = nullptr;
    int m_currentPage = -1;
    int m_format = kFormatHtml;

    QComboBox* m_formatBox;
    QLineEdit* m_folder;
    QToolButton* m_browse;
    QLabel* m_fileLabel;
    QLineEdit* m_fileName;
    QGroupBox* m_pageBox;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QSpinBox* m_top;
    QSpinBox* m_bottom;
    QSpinBox* m_left;
    QSpinBox* m_right;
    TUVAListHtmlToTx* m_list;
    QPushButton* m_all;
    QPushButton* m_choose;
    QPushButton* m_current;
    QPushButton* m_options;
    QPushButton* m_export;
    QPushButton* m_close;
    QLabel* m_status;
};

} // namespace quor
