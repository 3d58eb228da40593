// TFopzExp.h: the HTML options of the export: pictures in a separate folder,
// original names for pictures and files, automatic "alt" texts for zones and
// the page-file extension. Accepting stores them under "htmlexp".
#pragma once

#include "shell/QuorDialog.h"

class QCheckBox;
class QComboBox;

namespace quor {

class TUVAtoHtml;

class TFopzExp : public QuorDialog {
    Q_OBJECT
public:
    explicit TFopzExp(QWidget* parent = nullptr);

    // Shows the options of `conv`.
    void SetFrom(const TUVAtoHtml& conv);
    // Sets the options shown into `conv` and stores them in the settings.
    void ApplyTo(TUVAtoHtml& conv) const;

    // Modal; true when the author accepted (the options are then applied).
    bool Execute(TUVAtoHtml& conv);

private:
    QCheckBox* m_sepImage;
    QCheckBox* m_origName;
    QCheckBox* m_autoAlt;
    QComboBox* m_extension;
};

} // namespace quor
