#include "Helpers/EnBitmapBudget.h"

std::string ByteCountText(uint64_t bytes) {
    static constexpr struct {
        int shift;
        const char* unit;
    } kUnits[] = {{30, " GiB"}, {20, " MiB"}, {10, " KiB"}};
    for (const auto& u : kUnits)
        if (bytes >= (uint64_t(1) << u.shift) && bytes % (uint64_t(1) << u.shift) == 0)
            return std::to_string(bytes >> u.shift) + u.unit;
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

bool CPixelBudget::Take(uint64_t bytes) {
    uint64_t used = m_used.load(std::memory_order_relaxed);
    do {
        if (bytes > m_limit || used > m_limit - bytes)
            return false;
    } while (!m_used.compare_exchange_weak(used, used + bytes, std::memory_order_relaxed));
    return true;
}

CPixelCharge::~CPixelCharge() {
    if (m_budget && !m_kept && m_held)
        m_budget->Give(m_held);
}

bool CPixelCharge::Need(uint64_t bytes) {
    if (m_refused)
        return false;
    if (!m_budget || bytes <= m_held)
        return true;
    if (!m_budget->Take(bytes - m_held)) {
        m_refused = true;
        return false;
    }
    m_held = bytes;
    return true;
}

std::string CPixelCharge::RefusalText() const {
    return "the skin's pictures would take more than " + ByteCountText(m_budget ? m_budget->Limit() : 0) +
           " of decoded pixels together";
}
