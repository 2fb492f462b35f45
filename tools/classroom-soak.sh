#!/bin/bash
# A classroom soak: many stations on one classroom folder at once, for a while, each posting on the
# board and the timeline, mailing a classmate and taking its mail, again and again; then a check
# that nothing was lost, nothing arrived twice and nothing was torn.
#
#   bash tools/classroom-soak.sh [--kill] [--also-through SAME] STATIONS SECONDS [DATA-PARENT]
#
# Every station (PC01, PC02, ...) is one vqsim process (build/tools/vqsim; this script builds
# nothing). The classroom folder is a fresh copy of the sample one (build/classroom), or
# DATA-PARENT: used as it is when it holds data/ (it may lie on a network share), else the sample
# data/ is copied into it first. With --kill, one station at a time is killed now and then (SIGTERM,
# at any point but the one between taking its mail and printing it: mail taken lives only in a
# phone's memory) and started again. With --also-through SAME (the same DATA-PARENT reached another
# way, such as the share rig's second mount: a second SMB client, as a second PC would be), every
# second station works through SAME.
#
# Each round of a station posts a uniquely numbered text on the board and the timeline, sends one
# mail to a random other station and polls. At the end every station polls once more, and then:
#   - board, timeline: every post a station saw go through is in the file once and whole;
#   - mail, for each station: every mail that reached a sender's sent log was taken by its
#     recipient exactly once (counting what its polls took and what is left in its inbox), and no
#     inbox or sent log holds a torn line.
# It prints the counts ("lost L, duplicated D, torn T") and then one last line "N passed, N failed",
# one test per check. Exit status 0 only when nothing was lost, duplicated or torn.
#
# VQ_BUILD names another build folder than build/ (ctest passes its own).
set -euo pipefail

usage() {
    echo "usage: bash tools/classroom-soak.sh [--kill] [--also-through SAME] STATIONS SECONDS [DATA-PARENT]" >&2
    exit 2
}

KILL=0
ALSO=""
while [ $# -gt 0 ]; do
    case "$1" in
    --kill) KILL=1; shift ;;
    --also-through) [ $# -ge 2 ] && [ -d "$2" ] || usage; ALSO=$(cd "$2" && pwd); shift 2 ;;
    *) break ;;
    esac
done
[ $# -ge 2 ] && [ $# -le 3 ] || usage
[ -z "$ALSO" ] || [ $# -eq 3 ] || usage
STATIONS=$1
SECONDS_TO_RUN=$2
[[ "$STATIONS" =~ ^[0-9]+$ ]] && [ "$STATIONS" -ge 2 ] && [ "$STATIONS" -le 99 ] || usage
[[ "$SECONDS_TO_RUN" =~ ^[0-9]+$ ]] && [ "$SECONDS_TO_RUN" -ge 1 ] || usage

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${VQ_BUILD:-$ROOT/build}
VQSIM=$BUILD/tools/vqsim
SAMPLE=$BUILD/classroom/data
[ -x "$VQSIM" ] || { echo "classroom-soak: $VQSIM is missing; build first (bash tools/run-tests.sh)" >&2; exit 2; }
[ -d "$SAMPLE" ] || { echo "classroom-soak: $SAMPLE is missing; build first" >&2; exit 2; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/classroom-soak.XXXXXX")
if [ $# -eq 3 ]; then
    CLASSROOM=$(cd "$3" && pwd)
    [ -d "$CLASSROOM/data" ] || cp -r "$SAMPLE" "$CLASSROOM/data"
else
    CLASSROOM=$WORK/classroom
    mkdir -p "$CLASSROOM"
    cp -r "$SAMPLE" "$CLASSROOM/data"
fi
DATA=$CLASSROOM/data
# Tells this soak's texts from any that an earlier soak left in the same folder.
SOAK=s$$x$RANDOM

station_name() { printf 'PC%02d' "$1"; }

# One post on the board (bbs) or the timeline (sns): the first visit shows the page, its form posts.
post_on() {
    cat <<EOF
key home
open virtual:$1.html
fill 0 {station}
fill 1 soak:$SOAK:{station}:{run}:{n}:$1:{pad}:end
submit virtual:$1.html
mark $1 $SOAK {station} {run} {n}
EOF
}

# The classroom folder as station i reaches it.
root_of() {
    if [ -n "$ALSO" ] && [ $(($1 % 2)) -eq 0 ]; then echo "$ALSO"; else echo "$CLASSROOM"; fi
}

# The script of one station: it runs for the given seconds.
write_script() {
    local i=$1 seconds=$2 name
    name=$(station_name "$i")
    cat <<EOF
root $(root_of "$i")
station $name 10.0.0.$i
trace off
tick Timer1
loop $seconds
$(post_on bbs)
$(post_on sns)
key home
key soft-left
list 2
type address {other}
type subject s{n}
type body soak:$SOAK:{station}:{run}:{n}:mail:{pad}:end
key soft-left
mark mail $SOAK {station} {run} {n}
key soft-right
tick Timer1
end
EOF
}

declare -a PIDS
START=$(date +%s)
END_AT=$((START + SECONDS_TO_RUN))

start_station() {
    local i=$1 seconds=$2
    write_script "$i" "$seconds" > "$WORK/PC$i.vqs"
    "$VQSIM" "$WORK/PC$i.vqs" >> "$WORK/PC$i.log" 2>&1 &
    PIDS[$i]=$!
}

for ((i = 1; i <= STATIONS; i++)); do start_station "$i" "$SECONDS_TO_RUN"; done

KILLS=0
if [ "$KILL" = 1 ]; then
    while :; do
        sleep $((2 + RANDOM % 4))
        now=$(date +%s)
        [ $((END_AT - now)) -gt 2 ] || break
        victim=$((1 + RANDOM % STATIONS))
        if kill -TERM "${PIDS[$victim]}" 2>/dev/null; then
            wait "${PIDS[$victim]}" 2>/dev/null || true
            KILLS=$((KILLS + 1))
            start_station "$victim" $((END_AT - $(date +%s)))
        fi
    done
fi

STOPPED=0
for ((i = 1; i <= STATIONS; i++)); do
    if ! wait "${PIDS[$i]}"; then
        STOPPED=$((STOPPED + 1))
        echo "classroom-soak: $(station_name "$i") stopped by itself; the end of its log ($WORK/PC$i.log):" >&2
        tail -n 5 "$WORK/PC$i.log" >&2
    fi
done

# The last polls, every station in one process.
{
    echo "root $CLASSROOM"
    echo "trace off"
    for ((i = 1; i <= STATIONS; i++)); do
        echo "station $(station_name "$i") 10.0.0.$i"
        echo "tick Timer1"
    done
} > "$WORK/final.vqs"
"$VQSIM" "$WORK/final.vqs" > "$WORK/final.log" 2>&1 || STOPPED=$((STOPPED + 1))

# The check. Logs and files are read as bytes: every soak text is ASCII.
LC_ALL=C awk -v soak="$SOAK" -v stations="$STATIONS" -v kills="$KILLS" -v stopped="$STOPPED" \
    -v seconds="$SECONDS_TO_RUN" -v data="$DATA" '
function strip(s) { sub(/\r$/, "", s); return s }
# A soak text of the given kind, whole: soak:ID:STATION:RUN:N:KIND:LEN.LETTERS:end. Gives its key
# STATION:RUN:N, "" for a text of another soak or kind, "torn" for one cut short or glued to another.
function soak_key(text, kind,    f, n, len, letters) {
    if (index(text, "soak:" soak ":") != 1) return ""
    n = split(text, f, ":")
    if (n != 8 || f[8] != "end" || f[7] !~ /^[0-9]+\.[a-z]*$/ || f[5] !~ /^[0-9]+$/) return "torn"
    if (f[6] != "bbs" && f[6] != "sns" && f[6] != "mail") return "torn"
    len = substr(f[7], 1, index(f[7], ".") - 1) + 0
    letters = substr(f[7], index(f[7], ".") + 1)
    if (length(letters) != len) return "torn"
    return f[6] == kind ? f[3] ":" f[4] ":" f[5] : ""
}
# A line of a shared file that is neither empty nor a record is what is left of a torn one.
function torn_line(line) { return line != "" && index(line, "#c#") == 0 }

function report(what, lost, dup, torn, extra) {
    totalLost += lost; totalDup += dup; totalTorn += torn
    if (lost + dup + torn + extra == 0) { passed++; return }
    failedTests++
    printf "FAILED %s: lost %d, duplicated %d, torn %d", what, lost, dup, torn
    if (extra) printf ", %d written though the station was told it failed", extra
    printf "\n"
}

# Every post a station saw go through is in the file once and whole.
function check_posts(kind, file,    line, f, key, k, p, lost, dup, torn, failedWritten, count) {
    delete seen
    while ((getline line < file) > 0) {
        line = strip(line)
        if (torn_line(line)) { torn++; continue }
        if (index(line, "soak:" soak ":") == 0) continue
        split(line, f, "#c#")
        key = soak_key(f[5], kind)
        if (key == "torn" || (key != "" && index(key, f[1] ":") != 1)) { torn++; continue }
        if (key != "") { seen[key]++; count++ }
    }
    close(file)
    for (k in seen) if (seen[k] > 1) dup += seen[k] - 1
    for (k in acked) { split(k, p, SUBSEP); if (p[1] == kind && !(p[2] in seen)) lost++ }
    for (k in failed) { split(k, p, SUBSEP); if (p[1] == kind && (p[2] in seen)) failedWritten++ }
    postCount[kind] = count
    report(kind == "bbs" ? "board" : "timeline", lost, dup, torn, failedWritten)
}

# One mail taken by a station (by a poll, or still in its inbox at the end).
function take(station, record,    f, n, key) {
    if (index(record, "soak:" soak ":") == 0) return
    n = split(record, f, "#c#")
    key = soak_key(f[6], "mail")
    if (n != 6 || key == "torn" || key == "" || f[4] != station) { mailTorn[station]++; return }
    received[station, key]++
}

# The stations logs: what they saw go through ("[PC03] ok bbs SOAK PC03 RUN N"), what their polls took.
{
    line = strip($0)
    if (line ~ /^\[PC[0-9]+\] (ok|failed) (bbs|sns|mail) /) {
        split(line, w, " ")
        if (w[4] != soak) next
        key = w[5] ":" w[6] ":" w[7]
        if (w[3] == "mail") { if (w[2] == "ok") mailAcked[key] = 1 }
        else if (w[2] == "ok") acked[w[3], key] = 1
        else failed[w[3], key] = 1
        if (w[3] == "mail") rounds++
    } else if (line ~ /^\[PC[0-9]+\] received /) {
        take(substr(line, 2, index(line, "]") - 2), substr(line, index(line, "] received ") + 11))
    } else if (line ~ /^vqsim: /) {
        scriptErrors++
        if (scriptErrors <= 3) print "(" FILENAME ") " line
    }
}

END {
    check_posts("bbs", data "/bbs/bbsData.dat")
    check_posts("sns", data "/sns/snsData.dat")
    for (i = 1; i <= stations; i++) {
        s = sprintf("PC%02d", i)
        inbox = data "/mail_box/log_" s ".dat"
        while ((getline line < inbox) > 0) {
            line = strip(line)
            if (torn_line(line)) mailTorn[s]++
            else if (line != "") take(s, line)
        }
        close(inbox)
        sentLog = data "/mail_log/log_" s ".dat"
        while ((getline line < sentLog) > 0) {
            line = strip(line)
            if (torn_line(line)) { mailTorn[s]++; continue }
            if (index(line, "soak:" soak ":") == 0) continue
            n = split(line, f, "#c#")
            key = soak_key(f[6], "mail")
            if (n != 6 || key == "torn" || key == "" || index(key, s ":") != 1) { mailTorn[s]++; continue }
            if (key in sentTo) mailDup[s]++
            sentTo[key] = f[4]
            sentMails++
        }
        close(sentLog)
    }
    # Every mail in a sent log was taken exactly once by its recipient.
    for (key in sentTo) if (!((sentTo[key], key) in received)) mailLost[sentTo[key]]++
    for (rk in received) {
        split(rk, p, SUBSEP)
        if (received[rk] > 1) mailDup[p[1]] += received[rk] - 1
        if (!(p[2] in sentTo)) unlogged++
        takenMails += received[rk]
    }
    # A mail its sender saw go through must be in the sent log.
    for (key in mailAcked) if (!(key in sentTo)) { split(key, p, ":"); mailLost[p[1]]++ }
    for (i = 1; i <= stations; i++) {
        s = sprintf("PC%02d", i)
        report("mail " s, mailLost[s] + 0, mailDup[s] + 0, mailTorn[s] + 0, 0)
    }
    printf "%d stations, %d s, %d kills: %d rounds, %d board posts, %d timeline posts, %d mails sent, %d taken", \
        stations, seconds, kills, rounds, postCount["bbs"], postCount["sns"], sentMails, takenMails
    if (unlogged) printf " (%d delivered by a station killed before it wrote its sent log)", unlogged
    printf "\n"
    if (scriptErrors) printf "%d script mistakes in rounds (each ended its round)\n", scriptErrors
    if (stopped) printf "%d station runs stopped by themselves\n", stopped
    printf "lost %d, duplicated %d, torn %d\n", totalLost, totalDup, totalTorn
    printf "%d passed, %d failed\n", passed, failedTests
    exit (totalLost + totalDup + totalTorn + failedTests + stopped > 0) ? 1 : 0
}
' "$WORK"/*.log > "$WORK/result" && STATUS=0 || STATUS=$?

# The counts come last, so that their line ends the output.
if [ "$STATUS" = 0 ]; then
    cat "$WORK/result"
    rm -rf "$WORK"
else
    echo "classroom-soak: logs and folder kept in $WORK" >&2
    cat "$WORK/result"
fi
exit "$STATUS"
