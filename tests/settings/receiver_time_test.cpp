#include "settings/receiver_time.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

using namespace vorlane;

namespace {

// A consistent clock: the date's MJD computed, the weekday as the receiver counts it.
ReceiverTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    ReceiverTime t;
    t.year = year - 1900;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    date_to_mjd(t);
    t.weekday = ((t.mjd + 2) % 7) + 1;
    return t;
}

void ExpectClock(const ReceiverTime& t, int year, int month, int day, int hour, int minute) {
    EXPECT_EQ(year - 1900, t.year);
    EXPECT_EQ(month, t.month);
    EXPECT_EQ(day, t.day);
    EXPECT_EQ(hour, t.hour);
    EXPECT_EQ(minute, t.minute);
}

constexpr int kUtc = 24;
constexpr int kUtcPlusOne = 26;

} // namespace

TEST(ReceiverTimeLayout, EightLittleEndianWordsInOrderAndBack) {
    ReceiverTime t{105, 1, 2, 3, 4, 5, 53372, -1};
    std::array<std::uint8_t, receiver_time_layout::kSize> bytes{};
    WriteReceiverTime(bytes.data(), t);
    const std::array<std::uint8_t, 32> expected = {0x69, 0, 0, 0, 1, 0, 0, 0, 2,    0,    0, 0, 3,    0,    0,    0,
                                                   4,    0, 0, 0, 5, 0, 0, 0, 0x7C, 0xD0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(expected, bytes);
    EXPECT_EQ(t, ReadReceiverTime(bytes.data()));
}

TEST(ReceiverTimeCalendar, MjdOfKnownDates) {
    EXPECT_EQ(53371, At(2005, 1, 1, 0, 0).mjd);
    EXPECT_EQ(51544, At(2000, 1, 1, 0, 0).mjd);
    EXPECT_EQ(49273, At(1993, 10, 13, 0, 0).mjd);
    EXPECT_EQ(60369, At(2024, 2, 29, 0, 0).mjd);
    EXPECT_EQ(60370, At(2024, 3, 1, 0, 0).mjd);
    EXPECT_EQ(88127, At(2100, 2, 28, 0, 0).mjd);
}

TEST(ReceiverTimeCalendar, DaysInMonthFollowsGregorianLeapYears) {
    EXPECT_EQ(31, days_in_month(105, 1));
    EXPECT_EQ(30, days_in_month(105, 4));
    EXPECT_EQ(31, days_in_month(105, 12));
    EXPECT_EQ(28, days_in_month(105, 2));
    EXPECT_EQ(29, days_in_month(104, 2)); // 2004
    EXPECT_EQ(29, days_in_month(100, 2)); // 2000: divisible by 400
    EXPECT_EQ(28, days_in_month(0, 2));   // 1900: century
    EXPECT_EQ(28, days_in_month(200, 2)); // 2100: century
    EXPECT_EQ(-1, days_in_month(105, 0));
    EXPECT_EQ(-1, days_in_month(105, 13));
}

TEST(ReceiverTimeZones, WeekdayCountsMondayAsOne) {
    // The identity zone recomputes the date and weekday from the MJD alone.
    EXPECT_EQ(3, utc_to_local(At(1993, 10, 13, 12, 0), kUtc).weekday); // Wednesday
    EXPECT_EQ(6, utc_to_local(At(2005, 1, 1, 0, 0), kUtc).weekday);    // Saturday
    EXPECT_EQ(7, utc_to_local(At(2023, 12, 31, 0, 0), kUtc).weekday);  // Sunday
    EXPECT_EQ(1, utc_to_local(At(2024, 1, 1, 0, 0), kUtc).weekday);    // Monday
}

TEST(ReceiverTimeZones, HalfHourZonesCrossMidnight) {
    const ReceiverTime minusHalf = utc_to_local(At(2024, 6, 15, 0, 10, 42), 23);
    ExpectClock(minusHalf, 2024, 6, 14, 23, 40);
    EXPECT_EQ(42, minusHalf.second);
    EXPECT_EQ(At(2024, 6, 14, 0, 0).mjd, minusHalf.mjd);

    const ReceiverTime plusHalf = utc_to_local(At(2024, 6, 15, 23, 50), 25);
    ExpectClock(plusHalf, 2024, 6, 16, 0, 20);
    EXPECT_EQ(At(2024, 6, 16, 0, 0).weekday, plusHalf.weekday);
}

TEST(ReceiverTimeZones, LocalMidnightOfFirstMarchIsLastDayOfFebruaryInUtc) {
    ExpectClock(local_to_utc(At(2024, 3, 1, 0, 30), kUtcPlusOne), 2024, 2, 29, 23, 30);
    ExpectClock(local_to_utc(At(2023, 3, 1, 0, 30), kUtcPlusOne), 2023, 2, 28, 23, 30);
    ExpectClock(local_to_utc(At(2000, 3, 1, 0, 30), kUtcPlusOne), 2000, 2, 29, 23, 30);
}

TEST(ReceiverTimeZones, MonthAndYearEnds) {
    ExpectClock(utc_to_local(At(2023, 4, 30, 23, 0), kUtcPlusOne), 2023, 5, 1, 0, 0);
    ExpectClock(utc_to_local(At(2023, 12, 31, 13, 0), 48), 2024, 1, 1, 1, 0);  // UTC+12:00
    ExpectClock(local_to_utc(At(2024, 1, 1, 0, 0), 35), 2023, 12, 31, 18, 30); // UTC+05:30
    ExpectClock(utc_to_local(At(2024, 1, 1, 5, 15), 0), 2023, 12, 31, 17, 15); // UTC-12:00
}

TEST(ReceiverTimeZones, UnsetClockConvertsToAllZero) {
    ReceiverTime unset = At(2024, 1, 1, 5, 15);
    unset.year = kTimeNotSet;
    unset.month = kTimeNotSet;
    EXPECT_EQ(ReceiverTime{}, utc_to_local(unset, 30));
    EXPECT_EQ(ReceiverTime{}, local_to_utc(unset, 30));
}

TEST(ReceiverTimeZones, LocalToUtcUndoesUtcToLocalInEveryZone) {
    const ReceiverTime samples[] = {At(2024, 2, 29, 23, 59, 59), At(2023, 12, 31, 0, 0), At(2005, 1, 1, 12, 30),
                                    At(2100, 2, 28, 11, 45)};
    for (const ReceiverTime& utc : samples) {
        for (int zone = 0; zone <= 48; ++zone) {
            const ReceiverTime local = utc_to_local(utc, zone);
            EXPECT_EQ(utc, local_to_utc(local, zone)) << "zone " << zone << " mjd " << utc.mjd;
        }
    }
}

TEST(ReceiverTimeZones, GarbageClockDoesNotOverflow) {
    ReceiverTime garbage{0x7FFFFFFF, 3, 1, 0x7FFFFFF0, 59, 0, 0x7FFFFFFF, 0};
    const ReceiverTime shifted = utc_to_local(garbage, 48);
    EXPECT_GE(shifted.weekday, 1);
    EXPECT_LE(shifted.weekday, 7);
    date_to_mjd(garbage); // must not trap; the value is meaningless
}

TEST(ReceiverTimeClamp, DayBeyondMonthEndTakesTheLastDay) {
    ReceiverTime leap = At(2004, 2, 1, 10, 0);
    leap.day = 30;
    EXPECT_EQ(kClampedDayHigh, clamp_time(leap));
    ExpectClock(leap, 2004, 2, 29, 10, 0);
    EXPECT_EQ(At(2004, 2, 29, 0, 0).mjd, leap.mjd);

    ReceiverTime century = At(2000, 2, 1, 0, 0);
    century.day = 30;
    EXPECT_EQ(kClampedDayHigh, clamp_time(century));
    ExpectClock(century, 2000, 2, 29, 0, 0);
}

TEST(ReceiverTimeClamp, YearOutOfRangeFallsBackBeforeTheDayIsChecked) {
    ReceiverTime t;
    t.year = 200; // 2100
    t.month = 2;
    t.day = 29;
    EXPECT_EQ(kClampedYear | kClampedDayHigh, clamp_time(t));
    ExpectClock(t, 2002, 2, 28, 0, 0);
    EXPECT_EQ(At(2002, 2, 28, 0, 0).mjd, t.mjd);

    t.year = 20;
    EXPECT_EQ(kClampedYear, clamp_time(t));
    EXPECT_EQ(102, t.year);
}

TEST(ReceiverTimeClamp, EachFieldClampsBothWays) {
    ReceiverTime low = At(2010, 5, 5, 5, 5);
    low.month = 0;
    low.day = 0;
    EXPECT_EQ(kClampedMonthLow | kClampedDayLow, clamp_time(low));
    ExpectClock(low, 2010, 1, 1, 5, 5);
    EXPECT_EQ(At(2010, 1, 1, 0, 0).mjd, low.mjd);

    ReceiverTime high = At(2010, 5, 5, 5, 5);
    high.month = 13;
    high.hour = 24;
    high.minute = 60;
    high.second = 99;
    const int mjdBefore = high.mjd;
    EXPECT_EQ(kClampedMonthHigh | kClampedHourHigh | kClampedMinuteHigh, clamp_time(high));
    ExpectClock(high, 2010, 12, 5, 23, 59);
    EXPECT_EQ(99, high.second);
    EXPECT_EQ(mjdBefore, high.mjd); // a time field was touched: the MJD is left as it was

    ReceiverTime negative = At(2010, 5, 5, -1, -1);
    EXPECT_EQ(kClampedHourLow | kClampedMinuteLow, clamp_time(negative));
    ExpectClock(negative, 2010, 5, 5, 0, 0);
}

TEST(ReceiverTimeClamp, InRangeTimeIsUnchangedButGetsItsMjd) {
    ReceiverTime t = At(2024, 2, 29, 23, 59, 59);
    const ReceiverTime expected = t;
    t.mjd = 0;
    EXPECT_EQ(0u, clamp_time(t));
    EXPECT_EQ(expected, t);
}
