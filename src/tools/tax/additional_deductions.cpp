#include "tools/tax/additional_deductions.h"

#include <algorithm>

namespace orvanta {

// 《个人所得税专项附加扣除暂行办法》 (国发〔2018〕41号) with the amounts raised by 国发〔2023〕13号
// (children's education, care of children under three, supporting the elderly) from 2023-01-01.
constexpr AdditionalDeductionAmounts kAdditionalDeductions{
    .in_force_from = "2023-01-01",
    .child_education = yuan(2000),
    .infant_care = yuan(2000),
    .continuing_education = yuan(400),
    .vocational_certificate = yuan(3600),
    .housing_loan_interest = yuan(1000),
    .rent = {yuan(1500), yuan(1100), yuan(800)},
    .elderly_only_child = yuan(3000),
    .elderly_share_limit = yuan(1500),
    .serious_illness_threshold = yuan(15000),
    .serious_illness_limit = yuan(80000),
};

AdditionalDeduction additional_deduction(const AdditionalDeductionChoices& c) {
  const AdditionalDeductionAmounts& a = kAdditionalDeductions;
  Cents month = a.child_education * std::max(c.children_in_education, 0) +
                a.infant_care * std::max(c.children_under_three, 0);
  if (c.continuing_education) month += a.continuing_education;
  if (c.housing == Housing::LoanInterest) month += a.housing_loan_interest;
  if (c.housing == Housing::Rent) month += a.rent[static_cast<int>(c.rent_city)];
  if (c.parents == ParentsCare::OnlyChild) month += a.elderly_only_child;
  if (c.parents == ParentsCare::Shared) {
    month += std::clamp<Cents>(c.parents_share, 0, a.elderly_share_limit);
  }
  return {month, c.certificate_this_year ? a.vocational_certificate : 0};
}

Cents serious_illness_deduction(Cents own_medical_costs) {
  const AdditionalDeductionAmounts& a = kAdditionalDeductions;
  return std::clamp<Cents>(own_medical_costs - a.serious_illness_threshold, 0,
                           a.serious_illness_limit);
}

}  // namespace orvanta
