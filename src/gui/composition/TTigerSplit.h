// TTigerSplit.h: the striped creation bar of frames. Across the bar, stripe k
// (k = 1 .. length / LineStep - 1) is a highlight line at k * LineStep + Trucco
// with a shadow line one pixel further; TigerBevel adds a raised edge.
#pragma once

#include "composition/TWZuSplit.h"

namespace quor {

class TTigerSplit : public TWZuSplit {
    Q_OBJECT
public:
    explicit TTigerSplit(QWidget* parent = nullptr) : TWZuSplit(parent) {}

    bool Tiger() const { return m_tiger; }
    void SetTiger(bool on) { m_tiger = on; update(); }
    bool TigerBevel() const { return m_bevel; }
    void SetTigerBevel(bool on) { m_bevel = on; update(); }
    int LineStep() const { return m_lineStep; }
    void SetLineStep(int step); // must be positive; other values are ignored
    int Trucco() const { return m_trucco; }
    void SetTrucco(int offset) { m_trucco = offset; update(); }

    // Positions (along the bar) of the highlight line of each stripe; empty
    // when stripes are off.
    std::vector<int> StripePositions() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_tiger = true;
    bool m_bevel = false;
    int m_lineStep = 10;
    int m_trucco = 0;
};

} // namespace quor
