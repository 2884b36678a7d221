// Fuzzes OK on the exercise page: minutes and weight typed as anything, any exercise chosen. The
// exchange keeps its promises (PageFuzzing.h); the calculation is the chosen exercise's for the members
// held; a positive one is logged at the top with its texts, and the sum is the sum of the log's texts.

#include "CalcPageMembers.h"
#include "FuzzCheck.h"
#include "PageFuzzing.h"
#include "exercise/ExerciseTable.h"
#include "exercise/ExerciseText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

// The log is emptied when it grows longer, so that a long run does not slow down with it.
constexpr int kMaxLogRows = 32;

const ExerciseRecord* RecordNamed(const CalcPageMembers::Exercise& page, const std::string& name)
{
    POSITION position = page.m_exercises.GetHeadPosition();
    while (position) {
        const auto* record = static_cast<const ExerciseRecord*>(page.m_exercises.GetNext(position));
        if (name == record->name) {
            return record;
        }
    }
    return nullptr;
}

double SumOfLoggedKcal(const CalcPageMembers::Exercise& page)
{
    double sum = 0;
    for (int row = 0; row < page.m_listLog.GetItemCount(); ++row) {
        const float kcal = ParseKcalText(page.m_listLog.GetItemText(row, 2).c_str());
        sum += kcal > 0 ? kcal : 0;
    }
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CExerciseDlg& dlg = fuzz::ShownPage<CExerciseDlg>();
    const auto page = Members(dlg);
    static const std::vector<fuzz::ExchangedField> fields{
        fuzz::IntEntry{IDC_MINUTES, &page.m_nMinutes},
        fuzz::RealEntry{IDC_WEIGHT, &page.m_dWeight},
    };
    if (page.m_listLog.GetItemCount() >= kMaxLogRows) {
        page.m_listLog.DeleteAllItems();
    }
    FuzzedDataProvider input(data, size);
    const int chosen = input.ConsumeIntegralInRange(0, page.m_comboExercise.GetCount() - 1);
    page.m_comboExercise.SetCurSel(chosen);
    std::string name;
    page.m_comboExercise.GetLBText(chosen, name);
    const int rowsBefore = page.m_listLog.GetItemCount();

    const double lastBefore = page.m_dLastKcal;
    if (fuzz::PressOk(dlg, fields, input)) {
        fuzz::Check(fuzz::SameDouble(page.m_dLastKcal, lastBefore) && page.m_listLog.GetItemCount() == rowsBefore,
                    "a refused OK computes and logs nothing");
        return 0;
    }

    const ExerciseRecord* record = RecordNamed(page, name);
    fuzz::Check(record != nullptr, "every exercise offered has its record");
    const double kcal = ExerciseKcal(*record, page.m_dWeight, page.m_nMinutes);
    fuzz::Check(fuzz::SameDouble(page.m_dLastKcal, kcal), "the calculation is the chosen exercise's for the members held");
    if (kcal > 0) {
        fuzz::Check(page.m_listLog.GetItemCount() == rowsBefore + 1, "a positive calculation is logged");
        fuzz::Check(page.m_listLog.GetItemText(0, 0) == name && page.m_listLog.GetItemText(0, 1) == MinutesText(page.m_nMinutes) &&
                        page.m_listLog.GetItemText(0, 2) == KcalText(kcal),
                    "the new row at the top reads the exercise, the minutes and the kilocalories");
        fuzz::Check(page.m_dTotalKcal == SumOfLoggedKcal(page), "the sum is the sum of the log's kilocalorie texts");
    } else {
        fuzz::Check(page.m_listLog.GetItemCount() == rowsBefore, "nothing else is logged");
    }
    return 0;
}
