# awk -f tools/bench-table.awk OUTPUT: the README's table, from the window
# benchmarks' console output. Per action, cold / warm, in CPU ms: the program's
# own work at 1000 and 10001 entries, and with the painting at 100,000; opening,
# saving and exporting with the painting at every size.
function ms(v,   n, s) {
  n = v + 0; s = substr(v, length(v))
  return s == "u" ? n / 1000 : s == "n" ? n / 1e6 : s == "k" ? n * 1000 : n
}
function cell(a, size,   c, w) {
  c = (a SUBSEP size SUBSEP "cold") in value ? sprintf("%.1f", value[a, size, "cold"]) : "-"
  w = (a SUBSEP size SUBSEP "warm") in value ? sprintf("%.1f", value[a, size, "warm"]) : ""
  return w == "" ? c : c " / " w
}
$1 ~ /^[A-Z][A-Za-z]+\// {
  n = split($1, part, "/")
  action = part[1]; mode = "cold"; size = part[2]
  if (part[2] == "cold" || part[2] == "warm") { mode = part[2]; size = part[3] }
  work = 0; paint = 0
  for (i = 2; i <= NF; i++) {
    if ($i ~ /^work_ms=/) work = ms(substr($i, 9))
    if ($i ~ /^paint_ms=/) paint = ms(substr($i, 10))
  }
  whole = action ~ /^(Open|Save|Export)/ || size == 100000
  value[action, size, mode] = whole ? work + paint : work
  if (!(action in seen)) { seen[action] = 1; order[++count] = action }
}
END {
  printf "%-18s %-13s %-13s %-13s\n", "(ms, cold / warm)", "1000", "10001", "100,000"
  for (k = 1; k <= count; k++)
    printf "%-18s %-13s %-13s %-13s\n", order[k], cell(order[k], 1000), cell(order[k], 10001), cell(order[k], 100000)
}
