// Fuzzes OK on the BMI page: height and weight typed as anything, a sex clicked. The exchange keeps its
// promises (PageFuzzing.h), and the index is the one the members give, which the page then paints.

#include "CalcPageMembers.h"
#include "FuzzCheck.h"
#include "PageFuzzing.h"
#include "body/Bmi.h"
#include "body/BmiDlg.h"
#include "platform/testing/DrawRecorder.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CBmiDlg& dlg = fuzz::ShownPage<CBmiDlg>();
    const auto page = Members(dlg);
    static const std::vector<fuzz::ExchangedField> fields{
        fuzz::RealEntry{IDC_HEIGHT, &page.m_dHeight},
        fuzz::RealEntry{IDC_WEIGHT, &page.m_dWeight},
        fuzz::RadioGroup{{IDC_MALE, IDC_FEMALE}, &page.m_nSex},
    };
    FuzzedDataProvider input(data, size);
    CDrawRecorder painted;
    const double bmiBefore = page.m_dBmi;
    if (fuzz::PressOk(dlg, fields, input)) {
        fuzz::Check(fuzz::SameDouble(page.m_dBmi, bmiBefore), "a refused OK computes nothing");
        return 0;
    }
    fuzz::Check(fuzz::SameDouble(page.m_dBmi, ComputeBmi(page.m_dHeight, page.m_dWeight)),
                "the index is the one that the height and weight held give");
    const std::string sentence = BmiSentence(ClassifyBmi(page.m_dBmi, page.m_nSex), page.m_dBmi);
    fuzz::Check(sentence.empty() || painted.FindLast(sentence) != nullptr, "the repaint after OK shows the index's sentence");
    return 0;
}
