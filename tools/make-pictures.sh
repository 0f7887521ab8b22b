#!/usr/bin/env bash
# Regenerates Brimel's own artwork with ImageMagick: the twelve pictures in resources/pictures
# and the desktop icons in resources/icons. The results are committed; run this only after
# changing a design here.
#
# The pictures are PNG data under the names the program asks for (Qt reads them by content).
# Each masked picture is drawn on white; its mask has the same size, grayscale, black where the
# picture is opaque and white where it is transparent.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v convert >/dev/null || { echo "make-pictures: ImageMagick (convert) is missing" >&2; exit 1; }

fonts=/usr/share/fonts/truetype/dejavu
bold="$fonts/DejaVuSans-Bold.ttf"
condensed="$fonts/DejaVuSansCondensed.ttf"
for f in "$bold" "$condensed"; do
  [ -r "$f" ] || { echo "make-pictures: font $f is missing (apt-get install fonts-dejavu-core)" >&2; exit 1; }
done

pictures=resources/pictures
icons=resources/icons
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$pictures" "$icons"

# Every PNG is written without metadata or time stamps, so a rerun gives the same bytes.
# save_on_white SRC DEST: an RGB PNG of SRC on white. Edge pixels keep their own colour, not
# one blended with white, so the masked picture shows no light fringe on a dark background.
save_on_white() {
  convert "$1" -background white -alpha background -alpha off -strip \
    -define png:exclude-chunks=date,time "PNG24:$2"
}

# save_mask SRC DEST: the alpha of SRC as a grayscale mask, black = opaque.
save_mask() {
  convert "$1" -alpha extract -negate -strip -define png:exclude-chunks=date,time \
    -define png:color-type=0 -define png:bit-depth=8 "PNG:$2"
}

# ---------------------------------------------------------------------------------------------
# Application icon: a white key across a blue shield. Drawn once at 512 px, then scaled down.
convert -size 512x512 xc:none \
  -fill '#1F4A80' -stroke none \
  -draw "path 'M 256,28 C 320,60 384,72 448,76 L 448,236 C 448,356 368,436 256,488 C 144,436 64,356 64,236 L 64,76 C 128,72 192,60 256,28 Z'" \
  -fill '#3C7DC8' \
  -draw "path 'M 256,58 C 312,86 368,98 420,102 L 420,238 C 420,340 352,410 256,456 C 160,410 92,340 92,238 L 92,102 C 144,98 200,86 256,58 Z'" \
  -fill '#5B98DC' \
  -draw "path 'M 256,58 C 312,86 368,98 420,102 L 420,238 C 420,250 419,262 417,274 L 95,274 C 93,262 92,250 92,238 L 92,102 C 144,98 200,86 256,58 Z'" \
  "$work/shield.png"

# The key points from lower left to upper right; drawn level, then turned.
convert -size 512x512 xc:none \
  -fill '#123A66' -stroke none \
  -draw "circle 150,256 150,170" \
  -draw "roundrectangle 200,232 420,288 10,10" \
  -draw "roundrectangle 330,272 362,340 6,6" \
  -draw "roundrectangle 384,272 416,322 6,6" \
  -fill white \
  -draw "circle 150,256 150,182" \
  -draw "roundrectangle 210,242 410,278 8,8" \
  -draw "roundrectangle 340,262 352,330 4,4" \
  -draw "roundrectangle 394,262 406,312 4,4" \
  -fill '#123A66' -draw "circle 128,256 128,226" \
  -background none -distort SRT '256,256 1 -40 256,264' \
  "$work/key.png"

convert "$work/shield.png" "$work/key.png" -compose over -composite "$work/icon512.png"

convert "$work/icon512.png" -filter Box -resize 64x64 "$work/icon64.png"
save_on_white "$work/icon64.png" "$pictures/64about.pct"
save_mask "$work/icon64.png" "$pictures/64aboutmask.pct"

convert "$work/icon512.png" -filter Box -resize 256x256 -strip \
  -define png:exclude-chunks=date,time "PNG32:$icons/brimel.png"
convert "$work/icon64.png" -strip -define png:exclude-chunks=date,time "PNG32:$icons/brimel-64.png"

# ---------------------------------------------------------------------------------------------
# Toolbar icons, 32 x 32. Drawn at 8 x on a grid of 8 px so the edges land on whole pixels,
# then reduced by averaging.
toolbar() { # NAME DRAW-ARGS...
  local name=$1; shift
  convert -size 256x256 xc:none "$@" "$work/$name-256.png"
  convert "$work/$name-256.png" -filter Box -resize 32x32 "$work/$name.png"
  save_on_white "$work/$name.png" "$pictures/$name.pct"
  save_mask "$work/$name.png" "$pictures/${name}mask.pct"
}

toolbar Add \
  -fill '#1E7A32' -stroke none \
  -draw "roundrectangle 96,16 159,239 16,16" -draw "roundrectangle 16,96 239,159 16,16" \
  -fill '#34A853' \
  -draw "roundrectangle 112,32 143,223 8,8" -draw "roundrectangle 32,112 223,143 8,8" \
  -fill '#5CC476' \
  -draw "rectangle 112,112 144,120" -draw "roundrectangle 112,32 144,48 8,8" \
  -draw "roundrectangle 32,112 224,120 4,4"

toolbar Remove \
  -fill '#9E1F19' -stroke none \
  -draw "roundrectangle 16,96 239,159 16,16" \
  -fill '#D93A30' \
  -draw "roundrectangle 32,112 223,143 8,8" \
  -fill '#EE6A60' \
  -draw "roundrectangle 32,112 224,120 4,4"

# Padlocks: a gold body with a keyhole and a steel shackle. Closed: both legs in the body.
# Opened: the shackle swung out to the right, its free leg clear of the body.
# The helpers append their drawing commands to the array `draw`.
lock_body() { # LEFT  (the body is 160 px wide, from y 112 to 240)
  local l=$1 r=$(($1 + 160)) c=$(($1 + 80))
  draw+=(-fill '#8A5A00' -stroke none -draw "roundrectangle $l,112 $((r - 1)),239 24,24"
         -fill '#E8AE2C' -draw "roundrectangle $((l + 16)),128 $((r - 17)),223 12,12"
         -fill '#F5CB63' -draw "roundrectangle $((l + 16)),128 $((r - 17)),143 8,8"
         -fill '#5A3A00' -draw "circle $c,168 $c,150"
         -draw "polygon $((c - 8)),172 $((c + 8)),172 $((c + 12)),208 $((c - 12)),208")
}
shackle() { # LEFT-LEG-X RIGHT-LEG-X TOP-Y LEFT-END-Y RIGHT-END-Y: writes $work/shackle.png
  local a=$1 b=$2 t=$3 le=$4 re=$5 r=$((($2 - $1) / 2))
  local cx=$((a + r)) cy=$((t + r)) half='translate -0.5,-0.5'
  # The upper half of a ring, then the two legs. Strokes sit half a pixel up and left and are
  # one pixel narrower, so their edges fall on the rectangles' pixel grid. The steel core stops
  # short of the leg ends, so a free end gets its dark edge too.
  convert -size 256x256 xc:none -fill none \
    -stroke '#4E545C' -strokewidth 31 -draw "$half circle $cx,$cy $((cx + r)),$cy" \
    -stroke '#A9B0B8' -strokewidth 15 -draw "$half circle $cx,$cy $((cx + r)),$cy" \
    -crop "256x$cy+0+0" +repage -background none -extent 256x256 \
    -stroke '#4E545C' -strokewidth 31 -draw "$half line $a,$cy $a,$le" -draw "$half line $b,$cy $b,$re" \
    -stroke '#A9B0B8' -strokewidth 15 \
    -draw "$half line $a,$cy $a,$((le - 8))" -draw "$half line $b,$cy $b,$((re - 8))" \
    "$work/shackle.png"
  draw+=("$work/shackle.png" -compose over -composite)
}

draw=(); shackle 88 168 24 128 128; lock_body 48
toolbar iconlockclosed "${draw[@]}"
draw=(); shackle 136 216 16 128 88; lock_body 16
toolbar iconlockopened "${draw[@]}"

# ---------------------------------------------------------------------------------------------
# Payment buttons for the About window's 62 x 31 canvases, which sit on its grey (#7F7F7F)
# panel; the corners outside the button are that grey.
button() { # DEST TOP-COLOUR BOTTOM-COLOUR BORDER TEXT-COLOUR LINE1 LINE2
  local dest=$1 top=$2 bottom=$3 border=$4 ink=$5 line1=$6 line2=$7
  convert -size 62x31 "gradient:$top-$bottom" "$work/grad.png"
  convert -size 62x31 xc:black -fill white -stroke none \
    -draw "roundrectangle 0,0 61,30 7,7" "$work/shape.png"
  convert -size 62x31 xc:'#7F7F7F' \
    \( "$work/grad.png" "$work/shape.png" -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite \
    -fill none -stroke "$border" -strokewidth 1 -draw "roundrectangle 0.5,0.5 60.5,29.5 6.5,6.5" \
    -stroke none -fill "$ink" \
    -font "$bold" -pointsize 11 -gravity north -annotate +0+3 "$line1" \
    -font "$condensed" -pointsize 9 -gravity north -annotate +0+17 "$line2" \
    -alpha off -strip -define png:exclude-chunks=date,time "PNG24:$dest"
}

button "$pictures/paypal.gif" '#FFE08A' '#F4B41F' '#A8770A' '#1B2F5E' "Donate" "with PayPal"
button "$pictures/kagi.pct" '#8FD0A2' '#3E9A5C' '#2A6B3F' '#FFFFFF' "Order" "via Kagi"

ls -l "$pictures" "$icons"
