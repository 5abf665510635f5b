#!/usr/bin/env python3
"""Writes the poem and riddle table (assets/puzzles/poem_quiz.txt) from its skeleton.

The skeleton (tests/data/poem_quiz_skeleton.tsv) lists every entry: its form, its number
of lines and what names it (title and author, author and first verse, first verse, or
question). The verses come from every collection of the npm package chinese-poetry,
converted to simplified characters with opencc (t2s); answers and whole entries that no
collection holds come from tools/poem_quiz/answers.tsv. Whatever cannot be filled with
certainty reads "暂缺".

A poem is filled when exactly one poem of its title and author has the entry's number of
lines (titles and authors compared without their punctuation); a quotation when the
collections that hold its first line all go on alike, a qu that borrows the line aside.
A few poems are named or credited otherwise than in the collections (ELSEWHERE), a few
titles name a set of poems of which the table means one (ONE_OF_SET), and a quotation
may begin with a misprinted line that is looked up as the poem has it (MISPRINTS).
Where the collections differ on a character, the reading of the school anthology
唐诗三百首 wins, then that of the imperial edition 御定全唐诗 (see one_reading).

Needs opencc (the Debian package opencc) and the package chinese-poetry, installed with
`npm install chinese-poetry` in a scratch folder outside the repository.

Usage: export.py PATH/TO/node_modules/chinese-poetry/dist [--report]

Output: one line of text per line of an entry, an empty line between entries.
"""

import glob
import json
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SKELETON = os.path.join(ROOT, "tests", "data", "poem_quiz_skeleton.tsv")
ANSWERS = os.path.join(HERE, "answers.tsv")
OUTPUT = os.path.join(ROOT, "assets", "puzzles", "poem_quiz.txt")

MISSING = "暂缺"
CLAUSE_END = "，。？！；"
PUNCT = set("，。？！；：、,.?!;:“”‘’「」『』《》（）() \u3000")


def t2s(texts):
    """Simplified characters for a list of texts, through one opencc run."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
        for t in texts:
            f.write(t.replace("\n", " ") + "\n")
        name = f.name
    try:
        out = subprocess.run(["opencc", "-c", "t2s", "-i", name], check=True, capture_output=True).stdout
    finally:
        os.unlink(name)
    lines = out.decode("utf-8").split("\n")
    return lines[: len(texts)]


# Old forms that opencc leaves as they are, and their usual simplified characters.
VARIANTS = str.maketrans({"鏁": "锁", "遶": "绕", "牀": "床", "簷": "檐", "箇": "个", "纔": "才", "邨": "村",
                          "眞": "真", "爲": "为", "衆": "众", "峯": "峰", "羣": "群", "鬬": "斗", "啓": "启",
                          "裏": "里", "秖": "只", "迴": "回", "鴈": "雁", "菓": "果", "綫": "线", "緜": "绵", "猨": "猿", "迳": "径"})


def clauses(paragraphs):
    """A poem's text split after each clause mark, blanks dropped. A mark straight after
    another is dropped ("天下谁人不识君？。" in one anthology)."""
    text = "".join(p.strip() for p in paragraphs).translate(VARIANTS)
    text = re.sub(r"\s+", "", text)
    out, cur = [], ""
    for ch in text:
        if not cur and ch in CLAUSE_END and out and out[-1][-1] in CLAUSE_END:
            continue
        cur += ch
        if ch in CLAUSE_END:
            out.append(cur)
            cur = ""
    if cur:
        out.append(cur)
    return out


def bare(line):
    return "".join(ch for ch in line if ch not in PUNCT)


# How far a collection's reading is preferred where the collections disagree on a poem:
# the school anthology first, then the older print of the same anthology, the imperial
# edition of the Tang poems, the primer of a thousand poems, every other collection, and
# last the Yuan qu, which often borrow a famous line of an older poem.
SCHOOL, SCHOOL_OLD, IMPERIAL, PRIMER, OTHER, QU = range(6)

# Remarks in brackets that one collection keeps inside the verse ("(顰 一作：蹙)").
REMARK = re.compile(r"\s*[(（][^()（）]*[)）]")
# The dynasty before a name in the primers ("（唐）杜牧", "先秦：左丘明").
DYNASTY = re.compile(r"^\s*(（[^）]*）|[^：]{1,4}：)")


def load(dist):
    """Every poem as (title, author, [clauses], rank) in simplified characters."""
    raw = []  # (title, author, paragraphs, traditional, rank)

    def read(*parts):
        return json.load(open(os.path.join(dist, *parts), encoding="utf-8"))

    def add(records, title_key, traditional, author=None, title_prefix="", rank=OTHER):
        for r in records:
            title = r.get(title_key) or r.get("title") or ""
            paragraphs = r.get("paragraphs") or r.get("content") or r.get("para") or []
            if isinstance(paragraphs, str):
                paragraphs = [paragraphs]
            raw.append((title_prefix + title, author or r.get("author") or "", paragraphs, traditional, rank))

    def primer(node, title="", author="", rank=OTHER):
        """The texts of a primer, nested in chapters; a text inherits its chapter's name."""
        if isinstance(node, list):
            for n in node:
                primer(n, title, author, rank)
            return
        if not isinstance(node, dict):
            return
        title = node.get("chapter") or node.get("title") or title
        author = DYNASTY.sub("", node.get("author") or author).strip()
        paragraphs = node.get("paragraphs")
        if isinstance(paragraphs, list) and all(isinstance(p, str) for p in paragraphs):
            if rank == SCHOOL:
                paragraphs = [REMARK.sub("", p) for p in paragraphs]
            raw.append((title, author, paragraphs, True, rank))
        primer(node.get("content"), title, author, rank)

    for path in sorted(glob.glob(os.path.join(dist, "quantangshi", "poet.*.json"))):
        add(json.load(open(path, encoding="utf-8")), "title", True)
    add(read("quantangshi", "唐诗三百首.json"), "title", True, rank=SCHOOL_OLD)
    for path in sorted(glob.glob(os.path.join(dist, "songci", "ci.song.*.json"))):
        add(json.load(open(path, encoding="utf-8")), "rhythmic", False)
    add(read("shijing", "shijing.json"), "title", False, author="", title_prefix="诗经·")
    add(read("chuci", "chuci.json"), "title", False)
    add(read("caocaoshiji", "caocao.json"), "title", False, author="曹操")
    for path in sorted(glob.glob(os.path.join(dist, "wudaishici", "huajianji", "*juan.json"))):
        add(json.load(open(path, encoding="utf-8")), "title", True)
    add(read("wudaishici", "nantang", "poetrys.json"), "title", True)
    add(read("yuanqu", "yuanqu.json"), "title", True, rank=QU)
    # The collections read since: the imperial edition, the primers, the other anthologies
    # and the classics. The file of records flagged as doubtful (quantangshi/error) holds
    # copies of poems read above and is left out.
    for path in sorted(glob.glob(os.path.join(dist, "yudingquantangshi", "json", "*.json"))):
        add(json.load(open(path, encoding="utf-8")), "title", True, rank=IMPERIAL)
    add(read("quantangshi", "唐诗补录.json"), "title", False)
    for path in sorted(glob.glob(os.path.join(dist, "mengxue", "*.json"))):
        name = os.path.basename(path)
        primer(json.load(open(path, encoding="utf-8")),
               rank={"tangshisanbaishou.json": SCHOOL, "qianjiashi.json": PRIMER}.get(name, OTHER))
    add(read("shuimotangshi", "shuimotangshi.json"), "title", False)
    add(read("nalanxingde", "纳兰性德诗集.json"), "title", False)
    add(read("lunyu", "lunyu.json"), "chapter", False, author="孔子")
    for path in sorted(glob.glob(os.path.join(dist, "sishuwujing", "*.json"))):
        records = json.load(open(path, encoding="utf-8"))
        add(records if isinstance(records, list) else [records], "chapter", True)
    add(read("youmengying", "youmengying.json"), "title", False, author="张潮")

    trad = [i for i, r in enumerate(raw) if r[3]]
    flat = []
    for i in trad:
        title, author, paragraphs, _, _ = raw[i]
        flat.extend([title, author, "\u0001".join(paragraphs)])
    conv = t2s(flat)
    poems = []
    k = 0
    conv_by_index = {}
    for i in trad:
        conv_by_index[i] = (conv[k], conv[k + 1], conv[k + 2].split("\u0001"))
        k += 3
    for i, (title, author, paragraphs, traditional, rank) in enumerate(raw):
        if traditional:
            title, author, paragraphs = conv_by_index[i]
        poems.append((title.strip(), author.strip(), clauses(paragraphs), rank))
    return poems


NUMERALS = "一二三四五六七八九十"
SAME_TITLE_TAIL = re.compile(rf"(绝句)?([{NUMERALS}]+首)?(\s*其?[{NUMERALS}]+)?")
TITLE_MARKS = set("·・“”\"")

# Poems the table names or credits otherwise than the collections, with the title and
# author the collections give the same poem: a title no collection gives it, the poet the
# school texts credit where the collections have none or another, or the four lines the
# school texts print as a poem of their own.
ELSEWHERE = {
    ("弹琴", "刘长卿"): ("听弹琴", "刘长卿"),
    ("送孟浩然之广陵", "李白"): ("黄鹤楼送孟浩然之广陵", "李白"),
    ("望庐山瀑布", "李白"): ("望庐山瀑布水", "李白"),
    ("凉州曲", "王翰"): ("凉州词", "王翰"),
    ("金缕衣", "杜秋娘"): ("金缕衣", "佚名"),
    ("夜宿山寺", "李白"): ("登楼", "杨亿"),
    ("草", "白居易"): ("赋得古原草送别", "白居易"),
}

# Titles that name a set of poems, of which the table means the one that the school texts
# print under the bare title: the texts that begin with this line, in this reading.
ONE_OF_SET = {
    ("出塞", "王昌龄"): "秦时明月汉时关，",
    ("凉州词", "王之涣"): "黄河远上白云间，",
    ("凉州曲", "王翰"): "葡萄美酒夜光杯，",
    ("回乡偶书", "贺知章"): "少小离家老大回，",
    ("芙蓉楼送辛渐", "王昌龄"): "寒雨连江夜入吴，",
    ("别董大", "高适"): "千里黄云白日曛，",
}

# First lines of quotations that the table misprints, with the line as the poem has it:
# the entry keeps its own line and goes on as the poem does.
MISPRINTS = {
    "古调色自爱，": "古调虽自爱，",
}


def bare_title(title):
    return "".join(ch for ch in bare(title) if ch not in TITLE_MARKS)


def same_poem(a, b):
    """Two texts of one poem: as many lines, and most characters the same in each line."""
    if len(a) != len(b):
        return False
    same = total = 0
    for x, y in zip(a, b):
        x, y = bare(x), bare(y)
        same += sum(1 for c, d in zip(x, y) if c == d)
        total += max(len(x), len(y))
    return total > 0 and same * 5 >= total * 4


def one_reading(texts):
    """The reading of the one poem that all the (lines, rank) texts are versions of, or None
    when they are versions of several poems.

    The imperial edition sometimes drops lines inside a poem, so a text that only it gives
    is left out; so is a qu where the line it borrows goes on otherwise elsewhere. Where
    the versions differ in their characters, those of the best-ranked collection win, then
    those most collections give; the marks between the lines are those of the first
    collection read that has these characters."""
    texts = [t for t in texts
             if t[1] != IMPERIAL or any(u[1] != IMPERIAL and same_poem(t[0], u[0]) for u in texts)]
    if not texts:
        return None
    if any(not same_poem(texts[0][0], lines) for lines, _ in texts):
        # A line that a qu borrows goes on as in the poem it comes from.
        texts = [t for t in texts if t[1] != QU]
        if not texts or any(not same_poem(texts[0][0], lines) for lines, _ in texts):
            return None
    support = {}
    for lines, _ in texts:
        key = tuple(bare(line) for line in lines)
        support[key] = support.get(key, 0) + 1
    best = min(texts, key=lambda t: (t[1], -support[tuple(bare(line) for line in t[0])]))[0]
    key = tuple(bare(line) for line in best)
    chosen = next(lines for lines, _ in texts if tuple(bare(line) for line in lines) == key)
    return [in_sense(line) for line in chosen]


# Characters that t2s keeps because they are also a simplified character of another
# sense, in words whose meaning is certain: 沈 "to sink" is written 沉.
SENSES = {"沈沙": "沉沙", "星沈": "星沉"}


def in_sense(line):
    for old, new in SENSES.items():
        line = line.replace(old, new)
    return line


class Collections:
    """The poems, looked up by title or by a verse line."""

    def __init__(self, poems, verse_keys):
        self.order = {id(p): i for i, p in enumerate(poems)}
        self.by_title_index = {}
        self.by_author_index = {}
        for p in poems:
            # "塞下曲·林暗草惊风", "长相思·其一": one poem of those under the name before "·".
            for name in {bare_title(p[0]), bare_title(p[0].split("·")[0])}:
                self.by_title_index.setdefault(name, []).append(p)
            self.by_author_index.setdefault(bare(p[1]), []).append(p)
        self.by_line = {}
        self.by_line_end = {}
        for p in poems:
            for i, line in enumerate(p[2]):
                key = bare(line)
                if key in verse_keys.get(key[-1:], ()):
                    self.by_line.setdefault(key, []).append((p, i))
                for k in verse_keys.get(key[-1:], ()) if key else ():
                    if key.endswith(k) and key != k:
                        self.by_line_end.setdefault(k, []).append((p, i))

    def by_title(self, title, author, count):
        """The texts of `count` lines of the poems with this title (or its tune name before
        "·"), as (lines, rank)."""
        if author is not None:
            title, author = ELSEWHERE.get((title, author), (title, author))
        names = {bare_title(title)} | ({bare_title(title.split("·")[0])} if "·" in title else set())
        found = {}  # in the order the poems were read
        for name in names:
            for p in self.by_title_index.get(name, []):
                if author is None or bare(p[1]) == bare(author):
                    found[self.order[id(p)]] = p
        if author is not None:
            # The collections name a poem longer ("江南春绝句", "绝句四首 一"): those count
            # as the same title, so a title shared by several poems stays ambiguous.
            key = bare_title(title)
            for p in self.by_author_index.get(bare(author), []):
                name = bare_title(p[0])
                if name != key and name.startswith(key) and SAME_TITLE_TAIL.fullmatch(name[len(key):]):
                    found[self.order[id(p)]] = p
        return [(p[2], p[3]) for _, p in sorted(found.items()) if len(p[2]) == count]

    def continuations(self, first, count, author=None):
        """The runs of `count` lines that start at a line equal to `first`, as (lines, rank).
        Where no collection has the line on its own, a clause that ends in it counts: some
        texts lack the mark between two lines."""
        key = bare(first)
        found = []
        for index in (self.by_line, self.by_line_end):
            for p, i in index.get(key, []):
                if (author is None or bare(p[1]) == bare(author)) and i + count <= len(p[2]):
                    found.append((p[2][i:i + count], p[3]))
            if found:
                break
        return found


def read_skeleton():
    rows = []
    for line in open(SKELETON, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        idx, form, n, name = line.rstrip("\n").split("\t")
        rows.append((int(idx), form, int(n), name))
    return rows


def read_answers():
    """index → answer (quiz items, questions) or whole entry (lines joined by " / ")."""
    out = {}
    for line in open(ANSWERS, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        idx, text = line.rstrip("\n").split("\t", 1)
        out[int(idx)] = text
    return out


def quiz_item(idx, question, answer):
    if idx == 490:
        return question + "——" + answer
    if idx == 611:
        return question + "(答案：" + answer + "）"
    if idx == 735:
        return question + "（ 答案：" + answer + "）"
    return question + "（答案：" + answer + "）"


def build(poems):
    answers = read_answers()
    skeleton = read_skeleton()
    keys = {}  # the first lines of the quotations, by their last character
    for idx, form, n, name in skeleton:
        if form in "VA":
            first = name.split(" ", 1)[1] if form == "A" else name
            key = bare(MISPRINTS.get(first, first))
            keys.setdefault(key[-1:], set()).add(key)
    lib = Collections(poems, keys)
    entries, missing = [], []
    for idx, form, n, name in skeleton:
        given = answers.get(idx)
        if form == "I":
            entries.append([quiz_item(idx, name, given or MISSING)])
            if not given:
                missing.append(idx)
            continue
        if given is not None and given.startswith("="):
            entries.append(given[1:].split(" / "))  # a whole entry
            continue
        if form == "S":
            entries.append([name])
            continue
        if form == "Q":
            entries.append([name] + (given.split(" / ") if given else [MISSING]))
            if not given:
                missing.append(idx)
            continue
        head, verses, found = [], n, []
        if form == "P":
            title, author = re.match(r"(《.*》)(?:\(.*\))? (.*)$", name).groups()
            full_title = name.split(" ")[0]
            head = [full_title, author if idx == 333 else ("作者 " if idx == 429 else "作者：") + author]
            if idx == 394:
                head[1] = "作者：欧阳修"
            verses = n - 2
            extra = ["写的是：诸葛亮"] if idx == 260 else []
            verses -= len(extra)
            if verses > 0 and idx not in (394,):
                texts = lib.by_title(title[1:-1], author, verses)
                first = ONE_OF_SET.get((title[1:-1], author))
                if first:
                    texts = [t for t in texts if bare(t[0][0]) == bare(first)]
                found = one_reading(texts) or []
            if verses > 0 and not found:
                entries.append(head + [MISSING])
                missing.append(idx)
                continue
            entries.append(head + found + extra)
            continue
        if form == "T":
            head = [name]
            verses = n - 1
            found = one_reading(lib.by_title(name[1:-1], None, verses)) or []
        elif form == "A":
            author, first = name.split(" ", 1)
            head = ["作者：" + author, first]
            verses = n - 2
            found = (one_reading(lib.continuations(MISPRINTS.get(first, first), n - 1, author)) or [None])[1:]
        elif form == "V":
            head = [name]
            verses = n - 1
            found = (one_reading(lib.continuations(name, n)) or [None])[1:]
        if not found:
            entries.append(head + [MISSING])
            missing.append(idx)
        else:
            entries.append(head + found)
    return entries, missing


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cache = os.environ.get("POEM_CACHE")  # a scratch file that keeps the converted poems between runs
    if cache and os.path.exists(cache):
        import pickle
        poems = pickle.load(open(cache, "rb"))
    else:
        poems = load(sys.argv[1])
        if cache:
            import pickle
            pickle.dump(poems, open(cache, "wb"))
    entries, missing = build(poems)
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    with open(OUTPUT, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n\n".join("\n".join(e) for e in entries) + "\n")
    print(f"{len(entries)} entries, {len(missing)} with {MISSING}")
    if "--report" in sys.argv:
        print(" ".join(str(i) for i in missing))


if __name__ == "__main__":
    main()
