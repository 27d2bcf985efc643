#!/usr/bin/env python3
"""Reads calendar files with the icalendar package, an independent reader, and prints
what it finds in each event, one value a line."""
import sys

import icalendar

for name in sys.argv[1:]:
    with open(name, "rb") as calendar_file:
        calendar = icalendar.Calendar.from_ical(calendar_file.read())
    for event in calendar.walk("VEVENT"):
        print("summary:", str(event.get("SUMMARY")))
        print("start:", event.decoded("DTSTART").isoformat())
        print("end:", event.decoded("DTEND").isoformat())
        for alarm in ("DALARM", "AALARM"):
            if alarm in event:
                print(alarm.lower() + ":", event[alarm].to_ical().decode())
