// Fuzzes OK on the waist-to-hip page: hip and waist typed as anything, units and sex clicked. The
// exchange keeps its promises (PageFuzzing.h), and the repaint that OK asks for shows the verdict of the
// members held.

#include "CalcPageMembers.h"
#include "FuzzCheck.h"
#include "PageFuzzing.h"
#include "body/WaistHip.h"
#include "body/WaistHipDlg.h"
#include "platform/testing/DrawRecorder.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CWaistHipDlg& dlg = fuzz::ShownPage<CWaistHipDlg>();
    const auto page = Members(dlg);
    static const std::vector<fuzz::ExchangedField> fields{
        fuzz::RealEntry{IDC_HIP, &page.m_dHip},
        fuzz::RealEntry{IDC_WAIST, &page.m_dWaist},
        fuzz::RadioGroup{{IDC_HIP_INCH, IDC_HIP_CM}, &page.m_nHipUnit},
        fuzz::RadioGroup{{IDC_MALE, IDC_FEMALE}, &page.m_nSex},
        fuzz::RadioGroup{{IDC_WAIST_INCH, IDC_WAIST_CM}, &page.m_nWaistUnit},
    };
    FuzzedDataProvider input(data, size);
    CDrawRecorder painted;
    if (fuzz::PressOk(dlg, fields, input, fuzz::Refusal::RestoresEveryField)) {
        return 0; // every member as it was: the page judges as before
    }
    const std::string verdict = WaistHipSentence(
        JudgeWaistHip(page.m_dWaist, page.m_nWaistUnit, page.m_dHip, page.m_nHipUnit, page.m_nSex));
    fuzz::Check(verdict.empty() || painted.FindLast(verdict) != nullptr,
                "the repaint after OK shows the verdict of the members held");
    return 0;
}
