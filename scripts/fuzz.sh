#!/usr/bin/env bash
# Fuzzes the course table loaders and the school server's request parser: builds the libFuzzer targets of fuzz/ with clang
# into build-fuzz/ and runs each for its share of the time budget.
#   ./scripts/fuzz.sh [SECONDS]   (default 60, shared among the targets)
# Crashing inputs are written to build-fuzz/artifacts/; the corpora grow in
# build-fuzz/corpus/ from one run to the next.
set -euo pipefail
cd "$(dirname "$0")/.."
budget=${1:-60}

# clang and its libFuzzer runtime, installed like scripts/setup.sh does.
packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVIMO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  >/dev/null
cmake --build build-fuzz --target fuzz_targets

# Seed inputs: one small well-formed file per target, UTF-16 without the byte-order
# mark (the targets add it) or 8-bit, CR LF line ends.
seed() { # target encoding lines...
  local dir=build-fuzz/corpus/$1 encoding=$2
  shift 2
  mkdir -p "$dir"
  local text
  text=$(printf '%s\r\n' "$@")$'\r\n'
  if [ "$encoding" = utf16 ]; then
    printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE >"$dir/seed"
  else
    printf '%s' "$text" >"$dir/seed"
  fi
}
seed lesson_groups_fuzz utf16 '1=x=G1=Gramatyka=' '2=y=G2=Słownictwo='
seed sentences_fuzz utf16 '10503=I <am> here.=I'"'"'m here.==x=f6=f7=Jestem tu.=' '1 503=b=' ''
seed catalogue_fuzz utf16 '*comment' '0001110263' 'Tytuł' 'b' 'c' '-----' '0002530207' 'd' 'e' 'f'
seed row_tables_fuzz utf16 'id1=snd=pl=Ćwiczenie  =p1=p2=p3=' 'z1=m1=Tekst'
seed dialogues_fuzz utf16 'D=Station=2=3=TTNTT=1=tlo=7=' 'A=d1=Anna: Hello!=Cześć!=' \
  'B=d2=Hi.=Hej.=' '' 'D=Shop=1=1=TNNNN=0===' 'E=d3=Good morning.=Dzień dobry.='
seed glossary_fuzz utf16 '3001=<b>Dear</b> Sir' '12=a=b'
seed tasks_fuzz utf16 '' '#12#tlo#Polecenie#Instr#Anw#x#30#60#90#' 'MC#Q?=a=b=' '5=0==80=120=' \
  '-----' '#13#t#a#b' 'TF#x' '1=' ''
seed request_fuzz 8bit 'RCW:ola#p#w#v1r2_55#tek_1#Tytu#40#1#2#2026-1-10#50#1#1#G1##0#0#8-30-0#Grupa#0##'
seed eight_bit_tables_fuzz 8bit '/ comment' '12=2=3=Title=' '00001 I <am not> here=I <am> x.=' \
  'list_1=2=3=3001=rest' '1=2=3=Name=Text=' "isn't=is not="

targets=(build-fuzz/fuzz/*_fuzz)
share=$((budget / ${#targets[@]}))
[ "$share" -ge 1 ] || share=1
mkdir -p build-fuzz/artifacts
failed=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  mkdir -p "build-fuzz/corpus/$name"
  echo "== $name: ${share} s"
  if ! "$target" -max_total_time="$share" -max_len=16384 -timeout=10 \
    -artifact_prefix="build-fuzz/artifacts/$name-" -print_final_stats=1 \
    "build-fuzz/corpus/$name" 2>"build-fuzz/$name.log"; then
    failed+=("$name")
  fi
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added)' \
    "build-fuzz/$name.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Failures in: ${failed[*]} (logs in build-fuzz/, inputs in build-fuzz/artifacts/)"
  exit 1
fi
echo "No crashes, no sanitizer reports."
