// Excel's date serial numbers (1 is 1 January 1900, with Excel's 29 February 1900 as 60) and
// their conversion to and from automation dates (VT_DATE, 0 is 30 December 1899).
#pragma once

#include <optional>

namespace host {

struct DateTimeParts {
    int year = 1900;
    int month = 1;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 0;  // 0 is Sunday
};

constexpr double kMaxDateSerial = 2958465.99999;  // 31 December 9999, end of day

// Serial of a calendar date from 1900 to 9999; nothing for an invalid date.
std::optional<double> SerialFromDate(int year, int month, int day);
// Fraction of a day.
double SerialFromTime(int hour, int minute, int second);
// The calendar parts of a serial, the time rounded to the millisecond; nothing for serials
// Excel cannot show as dates (negative or past 9999).
std::optional<DateTimeParts> DateFromSerial(double serial);

double OleDateFromSerial(double serial);
double SerialFromOleDate(double oleDate);

int DaysInMonth(int year, int month);

}  // namespace host
