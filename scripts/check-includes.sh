#!/usr/bin/env bash
# Checks the module boundaries of src/ against the allowed module graph.
# The graph of the core is read from the nalo_core_module(...) lines of
# src/CMakeLists.txt, the same lines that declare the links, so the build and this
# check cannot disagree. The front ends sit on top of the core:
#   cli/                 the core and cli/
#   ui/                  the core and ui/
#   <module>/gui/        the core, ui/ and the other gui/ folders
#   app/                 the core and every GUI folder
# The graph has no cycles. No core file includes a front-end header or a Qt
# header, and in the core only platform/ includes POSIX or Linux headers (unistd,
# fcntl, dirent, pwd, sys/...): no exceptions.
# The tests of a module include only headers of the modules their program links.
# Prints every offending include as file:line and exits 1 when there is one.
# Usage: scripts/check-includes.sh [SOURCE_ROOT]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

bad=0
find src -name '*.h' -o -name '*.cpp' | sort | awk \
  -v graph_file=src/CMakeLists.txt '
BEGIN {
  # nalo_core_module(nalo_rules rules nalo_awk nalo_listing ...): the module in
  # folder "rules" may include the folders of the modules it links.
  while ((getline line < graph_file) > 0) {
    if (line !~ /^nalo_core_module\(/) continue
    sub(/^nalo_core_module\(/, "", line); sub(/\).*$/, "", line)
    n = split(line, word, /[ \t]+/)
    dir_of[word[1]] = word[2]; core_dirs[word[2]] = 1; links_of[word[2]] = ""
    for (i = 3; i <= n; i++) if (word[i] ~ /^nalo_/) pending[word[2]] = pending[word[2]] " " word[i]
  }
  for (d in pending) {
    n = split(pending[d], dep, " ")
    for (i = 1; i <= n; i++) {
      if (!(dep[i] in dir_of)) { printf "%s: %s links unknown module %s\n", graph_file, d, dep[i]; bad = 1; continue }
      may[d, dir_of[dep[i]]] = 1
    }
  }
  for (d in core_dirs) if (reaches(d, d, "")) {
    printf "%s: the module graph has a cycle through %s\n", graph_file, d; bad = 1
  }
  os_re = "^#[ \t]*include[ \t]*<((unistd|fcntl|dirent|pwd|grp|poll|termios|spawn)\\.h|sys/)"
}
# True when module `from` reaches module `goal` over one or more links; `seen`
# lists the modules already walked, so the walk ends on any graph.
function reaches(from, goal, seen,    d) {
  for (d in core_dirs) {
    if (!((from, d) in may)) continue
    if (d == goal) return 1
    if (index(seen, " " d " ")) continue
    seen = seen " " d " "
    if (reaches(d, goal, seen)) return 1
  }
  return 0
}
# The folder of src/ a path belongs to: the longest core folder that holds it, or a
# front-end folder ("cli", "ui", "app", "gui" for any <module>/gui/).
function area(path,    best, d) {
  if (path ~ /^(cli|ui|app)\//) { sub(/\/.*/, "", path); return path }
  if (path ~ /^[a-z_\/]+\/gui\//) return "gui"
  best = ""
  for (d in core_dirs) if (index(path, d "/") == 1 && length(d) > length(best)) best = d
  return best
}
function allowed(from, to) {
  if (to == "" || to == from) return 1
  if (from in core_dirs) return (from, to) in may
  if (to in core_dirs) return 1
  if (from == "app") return to != "cli"
  if (from == "gui") return to == "ui" || to == "gui"
  return 0
}
{
  file = $0; rel = substr(file, 5); from = area(rel); line_no = 0
  while ((getline text < file) > 0) {
    line_no++
    if (text ~ /^#[ \t]*include[ \t]*"/) {
      target = text; sub(/^#[ \t]*include[ \t]*"/, "", target); sub(/".*$/, "", target)
      to = area(target)
      if (!allowed(from, to)) {
        printf "%s:%d: %s may not include %s (%s)\n", file, line_no, from, to, target; bad = 1
      }
    } else if ((from in core_dirs) && text ~ /^#[ \t]*include[ \t]*<Q/) {
      printf "%s:%d: the core is free of Qt: %s\n", file, line_no, text; bad = 1
    } else if ((from in core_dirs) && from != "platform" && text ~ os_re) {
      printf "%s:%d: OS headers belong behind platform/: %s\n", file, line_no, text; bad = 1
    }
  }
  close(file)
}
END { exit bad }
' || bad=1

# The tests of a module may include the src/ headers of the modules their test
# program links (the nalo_test_folder(...) lines of tests/CMakeLists.txt) and of
# the modules those link in turn. Headers of the tests themselves are not checked.
find tests -name '*.h' -o -name '*.cpp' | sort | awk \
  -v graph_file=src/CMakeLists.txt \
  -v tests_file=tests/CMakeLists.txt '
function words_of(line, prefix) {
  sub(prefix, "", line); sub(/\).*$/, "", line)
  return split(line, word, /[ \t]+/)
}
BEGIN {
  while ((getline line < graph_file) > 0) {
    if (line !~ /^nalo_core_module\(/) continue
    n = words_of(line, "^nalo_core_module\\(")
    dir_of[word[1]] = word[2]; core_dirs[word[2]] = 1
    for (i = 3; i <= n; i++) if (word[i] ~ /^nalo_/) links[word[1]] = links[word[1]] " " word[i]
  }
  while ((getline line < tests_file) > 0) {
    if (line !~ /^nalo_test_folder\(/) continue
    n = words_of(line, "^nalo_test_folder\\(")
    tested[word[2]] = 1
    # Every module reachable from the test program links, breadth first.
    queue = ""
    for (i = 3; i <= n; i++) queue = queue " " word[i]
    while (split(queue, q, " ") > 0) {
      lib = q[1]; sub(/^ *[^ ]+/, "", queue)
      if (!(lib in dir_of) || (word[2], dir_of[lib]) in reach) continue
      reach[word[2], dir_of[lib]] = 1
      queue = queue links[lib]
    }
  }
}
function core_area(path,    best, d) {
  best = ""
  for (d in core_dirs) if (index(path, d "/") == 1 && length(d) > length(best)) best = d
  return best
}
function exists(path,    ok, tmp) {
  ok = (getline tmp < path) >= 0
  close(path)
  return ok
}
{
  file = $0; dir = substr(file, 7); sub(/\/[^\/]*$/, "", dir)
  if (!(dir in tested)) next
  line_no = 0
  while ((getline text < file) > 0) {
    line_no++
    if (text !~ /^#[ \t]*include[ \t]*"/) continue
    target = text; sub(/^#[ \t]*include[ \t]*"/, "", target); sub(/".*$/, "", target)
    if (!exists("src/" target)) continue  # a helper of the tests
    to = core_area(target)
    if (to == "" || !((dir, to) in reach)) {
      printf "%s:%d: the tests of %s do not link %s\n", file, line_no, dir, target; bad = 1
    }
  }
  close(file)
}
END { exit bad }
' || bad=1
exit $bad
