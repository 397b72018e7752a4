#!/usr/bin/env bash
# First start without a data file: the program asks whether to create one;
# answering Yes writes the new data file in the working folder.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
spawn "$program" >"$work/log" 2>&1; pid=$last

answer '^Fichier de données non trouvé \(DataFile NOT found\) $' y
xsearch --name '^Ok$' >/dev/null || fail "no confirmation after Yes"
[[ -f Vimo_Desk.ini ]] || fail "no data file after Yes"
answer '^Ok$' Return
xsearch --onlyvisible --name '^Vimo Duzi$' >/dev/null || fail "the desk did not appear"

head -c 3 Vimo_Desk.ini | od -An -tx1 | grep -q 'ef bb bf' || fail "data file without the UTF-8 mark"
grep -q $'^\\[Global\\]\r$' Vimo_Desk.ini || fail "data file without group Global"
grep -q $'^Lng = Fr\r$' Vimo_Desk.ini || fail "data file without its language"
