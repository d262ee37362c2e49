#!/bin/sh
# Stands in for the web browser in the test prefix. Wine's winebrowser runs
# it as "record_browser.sh RECORD_FILE ADDRESS"; it only notes the address down.
printf '%s\n' "$2" >>"$1"
