// The catalogue of the knowledge base: the identifier of each of its 42
// tables, named by the role it plays. The identifiers follow the report:
// 5 to 1220 for its first sections, 2000 to 4005 for the apogees, challenges
// and birthday gift, 5000 and 5005 for the cycles, 6000 for the grid, 7000
// to 7050 for the previous life; then the introduction and the two tables of
// the date input. In the 2000s to 5000s the table ending in 000 holds the
// heading and the format lines, the one ending in 005 the meanings.
#ifndef OMBRIX_TABLES_CATALOGUE_H
#define OMBRIX_TABLES_CATALOGUE_H

#include <cstdint>

constexpr int kBirthDayTableId = 5;

// One table per root number 1-9: 10 to 90.
constexpr int RootTableId(int32_t rootNumber) {
  return 10 * rootNumber;
}

// One table per life path 1-9, 11 and 22: 1010 to 1090, 1110 and 1220.
constexpr int LifePathTableId(int32_t lifePathNumber) {
  return 1000 + 10 * lifePathNumber;
}

constexpr int kApogeeTableId = 2000;
constexpr int kApogeeMeaningTableId = 2005;
constexpr int kChallengeTableId = 3000;
constexpr int kChallengeMeaningTableId = 3005;
constexpr int kGiftTableId = 4000;
constexpr int kGiftMeaningTableId = 4005;
constexpr int kCycleTableId = 5000;
constexpr int kCycleMeaningTableId = 5005;
constexpr int kGridTableId = 6000;

// The previous life: the three matrices that decide it, and the tables of
// its six blocks.
constexpr int kYearLetterTableId = 7001;
constexpr int kMonthRowTableId = 7002;
constexpr int kDayTableId = 7003;
constexpr int kSexTableId = 7000;
constexpr int kProfessionTableId = 7010;
constexpr int kTraitTableId = 7020;
constexpr int kPlaceTableId = 7030;
constexpr int kPastYearTableId = 7040;
constexpr int kTaskTableId = 7050;

constexpr int kIntroductionTableId = 8000;
constexpr int kDateErrorTableId = 31000;
constexpr int kMonthTableId = 32000;

// Every table of the knowledge base, in the order of the identifiers.
constexpr int kCatalogue[] = {
    kBirthDayTableId,
    RootTableId(1),
    RootTableId(2),
    RootTableId(3),
    RootTableId(4),
    RootTableId(5),
    RootTableId(6),
    RootTableId(7),
    RootTableId(8),
    RootTableId(9),
    LifePathTableId(1),
    LifePathTableId(2),
    LifePathTableId(3),
    LifePathTableId(4),
    LifePathTableId(5),
    LifePathTableId(6),
    LifePathTableId(7),
    LifePathTableId(8),
    LifePathTableId(9),
    LifePathTableId(11),
    LifePathTableId(22),
    kApogeeTableId,
    kApogeeMeaningTableId,
    kChallengeTableId,
    kChallengeMeaningTableId,
    kGiftTableId,
    kGiftMeaningTableId,
    kCycleTableId,
    kCycleMeaningTableId,
    kGridTableId,
    kSexTableId,
    kYearLetterTableId,
    kMonthRowTableId,
    kDayTableId,
    kProfessionTableId,
    kTraitTableId,
    kPlaceTableId,
    kPastYearTableId,
    kTaskTableId,
    kIntroductionTableId,
    kDateErrorTableId,
    kMonthTableId,
};
constexpr int kCatalogueSize = sizeof kCatalogue / sizeof kCatalogue[0];

#endif
