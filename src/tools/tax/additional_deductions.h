#pragma once
// Additional deductions (专项附加扣除): the amounts in one table with the date they took
// effect, and what a taxpayer's circumstances come to per month.
#include <string_view>

#include "tools/tax/money.h"

namespace orvanta {

struct AdditionalDeductionAmounts {
  std::string_view in_force_from;   // "YYYY-MM-DD"
  Cents child_education;            // per child, per month
  Cents infant_care;                // per child under three, per month
  Cents continuing_education;       // degree education, per month
  Cents vocational_certificate;     // once, in the year the certificate is obtained
  Cents housing_loan_interest;      // first home, per month
  Cents rent[3];                    // per month by city class 1, 2, 3
  Cents elderly_only_child;         // per month
  Cents elderly_share_limit;        // per month, each of several children
  Cents serious_illness_threshold;  // per year, the patient's own share beyond it counts
  Cents serious_illness_limit;      // per year
};

// The amounts in force; a change of the rules replaces this one table.
extern const AdditionalDeductionAmounts kAdditionalDeductions;

// Where the taxpayer rents, which fixes the rent deduction.
enum class RentCity {
  Class1,  // municipalities, provincial capitals, cities under separate state planning
  Class2,  // other cities of more than one million registered residents
  Class3,  // cities of one million registered residents or fewer
};

// The law allows the loan interest or the rent in a year, never both: one choice holds either.
enum class Housing { None, LoanInterest, Rent };

enum class ParentsCare { None, OnlyChild, Shared };

// The ticks and counts of a taxpayer's declaration.
struct AdditionalDeductionChoices {
  int children_in_education = 0;
  int children_under_three = 0;
  bool continuing_education = false;   // degree education
  bool certificate_this_year = false;  // a vocational certificate obtained this year
  Housing housing = Housing::None;
  RentCity rent_city = RentCity::Class1;  // read only for Housing::Rent
  ParentsCare parents = ParentsCare::None;
  Cents parents_share = 0;  // per month, read only for ParentsCare::Shared
};

struct AdditionalDeduction {
  Cents per_month = 0;
  Cents once_this_year = 0;  // the certificate's, taken in one month or at the annual settlement
};

// What the choices come to. Counts below 0 count as none; a parents' share is held to its limit.
AdditionalDeduction additional_deduction(const AdditionalDeductionChoices& choices);

// Serious illness is settled once a year: the medical costs the patient paid beyond the
// threshold, up to the limit.
Cents serious_illness_deduction(Cents own_medical_costs);

}  // namespace orvanta
