#include "settings/receiver_time.h"

#include "platform/bytes.h"

namespace vorlane {

namespace {

constexpr int kGmtOffsetOfUtc = 24;
constexpr int kMinutesPerHalfHour = 30;

// Stored clocks come from files, so the calendar arithmetic is done in 64 bits where garbage cannot overflow.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

void SetDateFromMjd(ReceiverTime& time, std::int64_t mjd) {
    const std::int64_t y = (mjd * 100 - 1507820) / 36525;
    const std::int64_t m = ((mjd - y * 36525 / 100) * 10000 - 149561000) / 306001;
    const std::int64_t k = (m == 14 || m == 15) ? 1 : 0;
    time.day = static_cast<std::int32_t>(mjd - 14956 - y * 36525 / 100 - m * 306001 / 10000);
    time.year = static_cast<std::int32_t>(y + k);
    time.month = static_cast<std::int32_t>(m - 1 - 12 * k);
    time.mjd = static_cast<std::int32_t>(mjd);
    time.weekday = static_cast<std::int32_t>(FloorMod(mjd + 2, 7) + 1);
}

// Moves a clock by `halfHours` half hours (negative = earlier), carrying at most one day.
ReceiverTime ShiftByHalfHours(const ReceiverTime& source, int halfHours) {
    if (source.year == kTimeNotSet && source.month == kTimeNotSet)
        return ReceiverTime{};
    const std::int64_t hours = FloorDiv(halfHours, 2);
    const std::int64_t extraHalf = halfHours - 2 * hours;

    std::int64_t hour = source.hour + hours;
    std::int64_t minute = source.minute + kMinutesPerHalfHour * extraHalf;
    if (minute >= 60) {
        hour += 1;
        minute -= 60;
    }
    std::int64_t mjd = source.mjd;
    if (hour >= 24) {
        mjd += 1;
        hour -= 24;
    } else if (hour < 0) {
        mjd -= 1;
        hour += 24;
    }

    ReceiverTime result;
    SetDateFromMjd(result, mjd);
    result.hour = static_cast<std::int32_t>(hour);
    result.minute = static_cast<std::int32_t>(minute);
    result.second = source.second;
    return result;
}

std::int32_t ReadLeInt32(const std::uint8_t* p, std::size_t offset) {
    return static_cast<std::int32_t>(ReadLe32(p + offset));
}

void WriteLeInt32(std::uint8_t* p, std::size_t offset, std::int32_t value) {
    WriteLe32(p + offset, static_cast<std::uint32_t>(value));
}

} // namespace

ReceiverTime ReadReceiverTime(const std::uint8_t* p) {
    namespace L = receiver_time_layout;
    ReceiverTime time;
    time.year = ReadLeInt32(p, L::kYear);
    time.month = ReadLeInt32(p, L::kMonth);
    time.day = ReadLeInt32(p, L::kDay);
    time.hour = ReadLeInt32(p, L::kHour);
    time.minute = ReadLeInt32(p, L::kMinute);
    time.second = ReadLeInt32(p, L::kSecond);
    time.mjd = ReadLeInt32(p, L::kMjd);
    time.weekday = ReadLeInt32(p, L::kWeekday);
    return time;
}

void WriteReceiverTime(std::uint8_t* p, const ReceiverTime& time) {
    namespace L = receiver_time_layout;
    WriteLeInt32(p, L::kYear, time.year);
    WriteLeInt32(p, L::kMonth, time.month);
    WriteLeInt32(p, L::kDay, time.day);
    WriteLeInt32(p, L::kHour, time.hour);
    WriteLeInt32(p, L::kMinute, time.minute);
    WriteLeInt32(p, L::kSecond, time.second);
    WriteLeInt32(p, L::kMjd, time.mjd);
    WriteLeInt32(p, L::kWeekday, time.weekday);
}

void date_to_mjd(ReceiverTime& time) {
    const std::int64_t l = (time.month == 1 || time.month == 2) ? 1 : 0;
    const std::int64_t mjd = 14956 + static_cast<std::int64_t>(time.day) + (time.year - l) * 36525 / 100 +
                             (time.month + 1 + l * 12) * 306001 / 10000;
    time.mjd = static_cast<std::int32_t>(mjd);
}

int days_in_month(int yearSince1900, int month) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2: {
        const int year = yearSince1900 + 1900;
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return -1;
    }
}

unsigned clamp_time(ReceiverTime& time) {
    constexpr std::int32_t kFirstYear = 21;
    constexpr std::int32_t kLastYear = 199;
    constexpr std::int32_t kFallbackYear = 102;
    unsigned changed = 0;
    if (time.year < kFirstYear || time.year > kLastYear) {
        time.year = kFallbackYear;
        changed |= kClampedYear;
    }
    if (time.month < 1) {
        time.month = 1;
        changed |= kClampedMonthLow;
    } else if (time.month > 12) {
        time.month = 12;
        changed |= kClampedMonthHigh;
    }
    const int lastDay = days_in_month(time.year, time.month);
    if (time.day < 1) {
        time.day = 1;
        changed |= kClampedDayLow;
    } else if (time.day > lastDay) {
        time.day = lastDay;
        changed |= kClampedDayHigh;
    }
    if (time.hour < 0) {
        time.hour = 0;
        changed |= kClampedHourLow;
    } else if (time.hour > 23) {
        time.hour = 23;
        changed |= kClampedHourHigh;
    }
    if (time.minute < 0) {
        time.minute = 0;
        changed |= kClampedMinuteLow;
    } else if (time.minute > 59) {
        time.minute = 59;
        changed |= kClampedMinuteHigh;
    }
    if (changed < kClampedHourLow)
        date_to_mjd(time);
    return changed;
}

ReceiverTime utc_to_local(const ReceiverTime& utc, int gmtOffset) {
    return ShiftByHalfHours(utc, gmtOffset - kGmtOffsetOfUtc);
}

ReceiverTime local_to_utc(const ReceiverTime& local, int gmtOffset) {
    return ShiftByHalfHours(local, kGmtOffsetOfUtc - gmtOffset);
}

} // namespace vorlane
