#include "food/FoodTally.h"

#include "text/DecimalText.h"

bool CFoodTally::Select(int row, int dishEntry, int portionEntry)
{
    if (!m_catalogue.IsDishEntry(row, dishEntry) || !m_catalogue.IsPortionEntry(portionEntry))
        return false;
    const double kcal = static_cast<double>(m_catalogue.DishKcal(row, dishEntry));
    const double product = m_catalogue.PortionFactor(portionEntry) * kcal;
    m_rowKcal[static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow)] = static_cast<float>(product);
    return true;
}

float CFoodTally::RowKcal(int row) const
{
    if (!m_catalogue.IsRow(row))
        return 0.0f;
    return m_rowKcal[static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow)];
}

double CFoodTally::Total() const
{
    double total = 0.0;
    for (float kcal : m_rowKcal)
        total += static_cast<double>(kcal);
    return total;
}

void CFoodTally::Reset()
{
    m_rowKcal.fill(0.0f);
}

std::string FormatRowKcal(float rowKcal)
{
    return FormatDecimal(static_cast<double>(rowKcal), 1) + " Kcal";
}

std::string FormatTotalKcal(double total)
{
    return "당신이 체크한 총 칼로리는 " + FormatDecimal(total, 1) + " Kcal 입니다.";
}
