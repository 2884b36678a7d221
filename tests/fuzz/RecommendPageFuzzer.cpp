// Fuzzes OK on the recommended-calorie page: age, height and weight typed as anything, a sex clicked. The
// exchange keeps its promises (PageFuzzing.h), and the index and the minimum intake are the ones the
// members give, which the page then paints.

#include "CalcPageMembers.h"
#include "FuzzCheck.h"
#include "PageFuzzing.h"
#include "body/Bmi.h"
#include "body/MinimumKcal.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CRecommendDlg& dlg = fuzz::ShownPage<CRecommendDlg>();
    const auto page = Members(dlg);
    static const std::vector<fuzz::ExchangedField> fields{
        fuzz::IntEntry{IDC_AGE, &page.m_nAge},
        fuzz::RealEntry{IDC_HEIGHT, &page.m_dHeight},
        fuzz::RealEntry{IDC_WEIGHT, &page.m_dWeight},
        fuzz::RadioGroup{{IDC_MALE, IDC_FEMALE}, &page.m_nSex},
    };
    FuzzedDataProvider input(data, size);
    const double bmiBefore = page.m_dBmi;
    const double kcalBefore = page.m_dMinKcal;
    if (fuzz::PressOk(dlg, fields, input)) {
        fuzz::Check(fuzz::SameDouble(page.m_dBmi, bmiBefore) && fuzz::SameDouble(page.m_dMinKcal, kcalBefore),
                    "a refused OK computes nothing");
        return 0;
    }
    fuzz::Check(fuzz::SameDouble(page.m_dBmi, ComputeBmi(page.m_dHeight, page.m_dWeight)),
                "the index is the one that the height and weight held give");
    fuzz::Check(fuzz::SameDouble(page.m_dMinKcal, MinimumKcal(page.m_nSex, page.m_dHeight, page.m_dWeight, page.m_nAge)),
                "the minimum intake is the one that the members give");
    return 0;
}
