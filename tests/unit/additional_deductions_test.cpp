// The additional deductions (专项附加扣除): what each tick and count comes to per month, and
// serious illness once a year.
#include "tools/tax/additional_deductions.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

struct ChoicesCase {
  std::string name;
  AdditionalDeductionChoices choices;
  Cents per_month;
  Cents once_this_year = 0;
};

class AdditionalDeductions : public testing::TestWithParam<ChoicesCase> {};

TEST_P(AdditionalDeductions, ComeToTheAmountsInForce) {
  const ChoicesCase& c = GetParam();
  const AdditionalDeduction deduction = additional_deduction(c.choices);
  EXPECT_EQ(deduction.per_month, c.per_month);
  EXPECT_EQ(deduction.once_this_year, c.once_this_year);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdditionalDeductions,
    testing::Values(
        ChoicesCase{"Nothing", {}, 0},
        ChoicesCase{"TwoChildrenAndOneUnderThree",
                    {.children_in_education = 2, .children_under_three = 1},
                    yuan(6000)},
        ChoicesCase{
            "NegativeCountsAreNone", {.children_in_education = -1, .children_under_three = -2}, 0},
        ChoicesCase{"ContinuingEducation", {.continuing_education = true}, yuan(400)},
        // The certificate is a separate item and comes on top, once.
        ChoicesCase{"CertificateThisYear",
                    {.continuing_education = true, .certificate_this_year = true},
                    yuan(400),
                    yuan(3600)},
        ChoicesCase{"HousingLoan", {.housing = Housing::LoanInterest}, yuan(1000)},
        ChoicesCase{
            "RentClass1", {.housing = Housing::Rent, .rent_city = RentCity::Class1}, yuan(1500)},
        ChoicesCase{
            "RentClass2", {.housing = Housing::Rent, .rent_city = RentCity::Class2}, yuan(1100)},
        ChoicesCase{
            "RentClass3", {.housing = Housing::Rent, .rent_city = RentCity::Class3}, yuan(800)},
        ChoicesCase{"RentCityWithoutRent", {.rent_city = RentCity::Class3}, 0},
        ChoicesCase{"OnlyChild", {.parents = ParentsCare::OnlyChild}, yuan(3000)},
        ChoicesCase{"SharedCare",
                    {.parents = ParentsCare::Shared, .parents_share = yuan(1000)},
                    yuan(1000)},
        ChoicesCase{"SharedCareHeldToItsLimit",
                    {.parents = ParentsCare::Shared, .parents_share = yuan(2000)},
                    yuan(1500)},
        ChoicesCase{"NegativeShare", {.parents = ParentsCare::Shared, .parents_share = -1}, 0},
        ChoicesCase{"Together",
                    {.children_in_education = 1,
                     .continuing_education = true,
                     .housing = Housing::LoanInterest,
                     .parents = ParentsCare::OnlyChild},
                    yuan(2000 + 400 + 1000 + 3000)}),
    [](const auto& info) { return info.param.name; });

TEST(SeriousIllness, ThePatientsShareBeyond15000UpTo80000) {
  EXPECT_EQ(serious_illness_deduction(yuan(10000)), 0);
  EXPECT_EQ(serious_illness_deduction(yuan(15000)), 0);
  EXPECT_EQ(serious_illness_deduction(yuan(15000) + 1), 1);
  EXPECT_EQ(serious_illness_deduction(yuan(20000)), yuan(5000));
  EXPECT_EQ(serious_illness_deduction(yuan(95000)), yuan(80000));
  EXPECT_EQ(serious_illness_deduction(yuan(200000)), yuan(80000));
}

}  // namespace
}  // namespace orvanta
