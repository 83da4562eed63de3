#include "host/excel/DateSerial.h"

#include <cmath>

namespace host {

namespace {

// Days since 1 January 1970 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const long long kDay18991230 = DaysFromCivil(1899, 12, 30);
const long long kDay18991231 = DaysFromCivil(1899, 12, 31);

}  // namespace

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<double> SerialFromDate(int year, int month, int day) {
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
    if (year == 1900 && month == 2 && day == 29) return 60.0;
    if (day > DaysInMonth(year, month)) return std::nullopt;
    long long days = DaysFromCivil(year, unsigned(month), unsigned(day));
    // Before March 1900 Excel counts from 31 December 1899; after its phantom leap day the two
    // counts differ by one.
    if (year == 1900 && month <= 2) return double(days - kDay18991231);
    return double(days - kDay18991230);
}

double SerialFromTime(int hour, int minute, int second) { return (hour * 3600.0 + minute * 60.0 + second) / 86400.0; }

std::optional<DateTimeParts> DateFromSerial(double serial) {
    if (!(serial >= 0) || serial > kMaxDateSerial) return std::nullopt;
    double whole = std::floor(serial);
    long long millis = std::llround((serial - whole) * 86400000.0);
    long long dayNumber = static_cast<long long>(whole);
    if (millis >= 86400000) {
        millis -= 86400000;
        ++dayNumber;
    }
    DateTimeParts parts;
    if (dayNumber == 0) {
        parts.year = 1900;
        parts.month = 1;
        parts.day = 0;
    } else if (dayNumber == 60) {
        parts.year = 1900;
        parts.month = 2;
        parts.day = 29;
    } else if (dayNumber < 60) {
        CivilFromDays(dayNumber + kDay18991231, parts.year, parts.month, parts.day);
    } else {
        CivilFromDays(dayNumber + kDay18991230, parts.year, parts.month, parts.day);
    }
    // Excel's weekday of serial 1 (1 January 1900) is Sunday.
    parts.dayOfWeek = int((dayNumber + 6) % 7);
    parts.hour = int(millis / 3600000);
    parts.minute = int(millis / 60000 % 60);
    parts.second = int(millis / 1000 % 60);
    parts.millisecond = int(millis % 1000);
    return parts;
}

double OleDateFromSerial(double serial) {
    // The automation calendar has no 29 February 1900; Excel's first 59 days sit one day later there.
    if (serial >= 1 && serial < 61) return serial < 60 ? serial + 1 : 61 + (serial - 60);
    return serial;
}

double SerialFromOleDate(double oleDate) {
    if (oleDate >= 2 && oleDate < 61) return oleDate - 1;
    return oleDate;
}

}  // namespace host
