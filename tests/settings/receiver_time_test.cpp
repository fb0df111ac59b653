#include "settings/receiver_time.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <tuple>

namespace vorlane::testing {
namespace {

// A consistent clock: the date's MJD computed, the weekday as the receiver counts it (Monday is 1).
ReceiverTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    ReceiverTime t{year - 1900, month, day, hour, minute, second, 0, 0};
    date_to_mjd(t);
    t.weekday = ((t.mjd + 2) % 7) + 1;
    return t;
}

ReceiverTime With(const ReceiverTime& t, int month, int day, int hour, int minute, int second) {
    return {t.year, month, day, hour, minute, second, t.mjd, t.weekday};
}

constexpr int kUtc = 24;
constexpr int kUtcPlusOne = 26;

TEST(ReceiverTimeLayout, EightLittleEndianWordsInOrderAndBack) {
    ReceiverTime t{105, 1, 2, 3, 4, 5, 53372, -1};
    std::array<std::uint8_t, receiver_time_layout::kSize> bytes{};
    WriteReceiverTime(bytes.data(), t);
    const std::array<std::uint8_t, 32> expected = {0x69, 0, 0, 0, 1, 0, 0, 0, 2,    0,    0, 0, 3,    0,    0,    0,
                                                   4,    0, 0, 0, 5, 0, 0, 0, 0x7C, 0xD0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(expected, bytes);
    EXPECT_EQ(t, ReadReceiverTime(bytes.data()));
}

TEST(ReceiverTimeCalendar, MjdWeekdayAndMonthLengths) {
    // Date, its MJD and weekday: the identity zone recomputes the weekday from the MJD alone, Monday as 1.
    const std::tuple<ReceiverTime, int, int> dates[] = {
        {At(2005, 1, 1, 0, 0), 53371, 6},   {At(2000, 1, 1, 0, 0), 51544, 6}, {At(1993, 10, 13, 12, 0), 49273, 3},
        {At(2024, 2, 29, 0, 0), 60369, 4},  {At(2024, 3, 1, 0, 0), 60370, 5}, {At(2100, 2, 28, 0, 0), 88127, 7},
        {At(2023, 12, 31, 0, 0), 60309, 7}, {At(2024, 1, 1, 0, 0), 60310, 1}};
    for (const auto& [date, mjd, weekday] : dates) {
        EXPECT_EQ(mjd, date.mjd) << date.year << '-' << date.month << '-' << date.day;
        EXPECT_EQ(weekday, utc_to_local(date, kUtc).weekday) << mjd;
    }

    // year since 1900, month, days: leap years by the Gregorian rule; -1 for no month.
    const int months[][3] = {{105, 1, 31}, {105, 4, 30}, {105, 12, 31}, {105, 2, 28}, {104, 2, 29},
                             {100, 2, 29}, {0, 2, 28},   {200, 2, 28},  {105, 0, -1}, {105, 13, -1}};
    for (const auto& m : months)
        EXPECT_EQ(m[2], days_in_month(m[0], m[1])) << m[0] << '/' << m[1];
}

TEST(ReceiverTimeZones, ShiftsCrossDayMonthAndYearEndsAndUnsetClocksStayUnset) {
    // To UTC or from it, the zone, the time given and the time expected.
    const std::tuple<bool, int, ReceiverTime, ReceiverTime> shifts[] = {
        {false, 23, At(2024, 6, 15, 0, 10, 42), At(2024, 6, 14, 23, 40, 42)}, // UTC-00:30
        {false, 25, At(2024, 6, 15, 23, 50), At(2024, 6, 16, 0, 20)},
        {true, kUtcPlusOne, At(2024, 3, 1, 0, 30), At(2024, 2, 29, 23, 30)},
        {true, kUtcPlusOne, At(2023, 3, 1, 0, 30), At(2023, 2, 28, 23, 30)},
        {true, kUtcPlusOne, At(2000, 3, 1, 0, 30), At(2000, 2, 29, 23, 30)},
        {false, kUtcPlusOne, At(2023, 4, 30, 23, 0), At(2023, 5, 1, 0, 0)},
        {false, 48, At(2023, 12, 31, 13, 0), At(2024, 1, 1, 1, 0)},  // UTC+12:00
        {true, 35, At(2024, 1, 1, 0, 0), At(2023, 12, 31, 18, 30)},  // UTC+05:30
        {false, 0, At(2024, 1, 1, 5, 15), At(2023, 12, 31, 17, 15)}, // UTC-12:00
    };
    for (const auto& [toUtc, zone, from, to] : shifts)
        EXPECT_EQ(to, toUtc ? local_to_utc(from, zone) : utc_to_local(from, zone))
            << "zone " << zone << " mjd " << from.mjd << " hour " << from.hour;

    // Every zone is undone by the way back.
    for (const ReceiverTime& utc : {At(2024, 2, 29, 23, 59, 59), At(2023, 12, 31, 0, 0), At(2100, 2, 28, 11, 45)})
        for (int zone = 0; zone <= 48; ++zone)
            EXPECT_EQ(utc, local_to_utc(utc_to_local(utc, zone), zone)) << "zone " << zone << " mjd " << utc.mjd;

    // An unset clock stays unset; a garbage one gives a weekday and no overflow.
    ReceiverTime unset = At(2024, 1, 1, 5, 15);
    unset.year = kTimeNotSet;
    unset.month = kTimeNotSet;
    EXPECT_EQ(ReceiverTime{}, utc_to_local(unset, 30));
    EXPECT_EQ(ReceiverTime{}, local_to_utc(unset, 30));

    ReceiverTime garbage{0x7FFFFFFF, 3, 1, 0x7FFFFFF0, 59, 0, 0x7FFFFFFF, 0};
    const ReceiverTime shifted = utc_to_local(garbage, 48);
    EXPECT_GE(shifted.weekday, 1);
    EXPECT_LE(shifted.weekday, 7);
    date_to_mjd(garbage); // must not overflow; the value is meaningless
}

TEST(ReceiverTimeClamp, EachFieldClampsAndReportsWhatChanged) {
    const ReceiverTime may2010 = At(2010, 5, 5, 5, 5);
    ReceiverTime noMjd = At(2024, 2, 29, 23, 59, 59);
    noMjd.mjd = 0;
    // The time in, the fields clamped, the time out (its weekday not compared).
    const std::tuple<ReceiverTime, unsigned, ReceiverTime> cases[] = {
        {With(At(2004, 2, 1, 10, 0), 2, 30, 10, 0, 0), kClampedDayHigh, At(2004, 2, 29, 10, 0)},
        {With(At(2000, 2, 1, 0, 0), 2, 30, 0, 0, 0), kClampedDayHigh, At(2000, 2, 29, 0, 0)},
        // The year falls back before the day is checked against the month.
        {ReceiverTime{200, 2, 29, 0, 0, 0, 0, 0}, kClampedYear | kClampedDayHigh, At(2002, 2, 28, 0, 0)},
        {ReceiverTime{20, 2, 28, 0, 0, 0, 0, 0}, kClampedYear, At(2002, 2, 28, 0, 0)},
        {With(may2010, 0, 0, 5, 5, 0), kClampedMonthLow | kClampedDayLow, At(2010, 1, 1, 5, 5)},
        // A time field was touched: the MJD is left as it was.
        {With(may2010, 13, 5, 24, 60, 99), kClampedMonthHigh | kClampedHourHigh | kClampedMinuteHigh,
         With(may2010, 12, 5, 23, 59, 99)},
        {With(may2010, 5, 5, -1, -1, 0), kClampedHourLow | kClampedMinuteLow, With(may2010, 5, 5, 0, 0, 0)},
        {noMjd, 0u, At(2024, 2, 29, 23, 59, 59)},
    };
    for (const auto& [in, changed, out] : cases) {
        ReceiverTime t = in;
        EXPECT_EQ(changed, clamp_time(t)) << "year " << in.year << " month " << in.month;
        ReceiverTime expected = out;
        expected.weekday = t.weekday;
        EXPECT_EQ(expected, t) << "year " << in.year << " month " << in.month;
    }
}

} // namespace
} // namespace vorlane::testing
