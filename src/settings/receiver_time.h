#pragma once
// The receiver's clock: a broken-down date and time with its Modified Julian Date and weekday,
// stored as eight little-endian 32-bit integers, and the zone and calendar arithmetic on it.

#include <cstddef>
#include <cstdint>

namespace vorlane {

struct ReceiverTime {
    std::int32_t year = 0;  // years since 1900
    std::int32_t month = 0; // 1..12
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
    std::int32_t mjd = 0;     // Modified Julian Date of year/month/day
    std::int32_t weekday = 0; // 1..7, Monday = 1

    friend bool operator==(const ReceiverTime&, const ReceiverTime&) = default;
};

namespace receiver_time_layout {
inline constexpr std::size_t kYear = 0x00;
inline constexpr std::size_t kMonth = 0x04;
inline constexpr std::size_t kDay = 0x08;
inline constexpr std::size_t kHour = 0x0C;
inline constexpr std::size_t kMinute = 0x10;
inline constexpr std::size_t kSecond = 0x14;
inline constexpr std::size_t kMjd = 0x18;
inline constexpr std::size_t kWeekday = 0x1C;
inline constexpr std::size_t kSize = 0x20;
} // namespace receiver_time_layout

// A year and a month of 255 each mark a clock that was never set.
inline constexpr std::int32_t kTimeNotSet = 255;

// What clamp_time changed, one bit per field and direction.
inline constexpr unsigned kClampedYear = 0x1;
inline constexpr unsigned kClampedMonthLow = 0x4;
inline constexpr unsigned kClampedMonthHigh = 0x8;
inline constexpr unsigned kClampedDayLow = 0x10;
inline constexpr unsigned kClampedDayHigh = 0x20;
inline constexpr unsigned kClampedHourLow = 0x40;
inline constexpr unsigned kClampedHourHigh = 0x80;
inline constexpr unsigned kClampedMinuteLow = 0x100;
inline constexpr unsigned kClampedMinuteHigh = 0x200;

// Reads and writes the 32-byte clock layout at p.
ReceiverTime ReadReceiverTime(const std::uint8_t* p);
void WriteReceiverTime(std::uint8_t* p, const ReceiverTime& time);

// Sets time.mjd from year, month and day.
void date_to_mjd(ReceiverTime& time);

// Days of a month of the calendar year yearSince1900 + 1900; -1 for a month outside 1..12.
int days_in_month(int yearSince1900, int month);

// Brings what a user entered into range; returns the kClamped* bits of what changed.
unsigned clamp_time(ReceiverTime& time);

// Shift a clock by the zone of a gmt_offset index (offset = (index - 24) x 30 minutes).
// Both work from the source's mjd, not from its year/month/day.
ReceiverTime utc_to_local(const ReceiverTime& utc, int gmtOffset);
ReceiverTime local_to_utc(const ReceiverTime& local, int gmtOffset);

} // namespace vorlane
