"""Makes antenna pages in the fixed layout that the plug-in cuts up.

An item is the list-item tag, the 16-character stamp, 37 characters of link
markup, the address, the address end marker '">◇', the site's link with the
address again and the title, the byline after two non-breaking spaces, and
the note in small print. Pages are newest first.

    python3 antenna_page.py --count 20 --encoding euc_jp > index.shtml
"""
import argparse
import datetime
import sys

JUMP = ' <A HREF="/antenna/jump.cgi?id=000&u='  # the 37 characters of link markup

CHARSET = {'euc_jp': 'EUC-JP', 'iso2022_jp': 'ISO-2022-JP', 'iso2022_jp_ext': 'ISO-2022-JP', 'cp932': 'Shift_JIS',
           'shift_jis': 'Shift_JIS', 'utf-8': 'UTF-8'}


class Item:
    def __init__(self, stamp, url, title, byline='', note=''):
        self.stamp, self.url, self.title, self.byline, self.note = stamp, url, title, byline, note

    def text(self):
        """The item as it stands between '<LI>' and '</LI>'."""
        assert len(JUMP) == 37
        return (f'{self.stamp}{JUMP}{self.url}">◇</A> <A HREF="{self.url}">{self.title}</A>'
                f' &nbsp;&nbsp;{self.byline}<SMALL>{self.note}</SMALL>')


def stamp_of(when):
    return when.strftime('%Y/%m/%d %H:%M')


TITLES = ['庭の日記', 'お茶とケーキ', '夜空のノート', '鉄道写真館', '編み物ログ', '古地図の部屋',
          'ピクセルタウン', '鳥の声', '静かな港', 'ﾊﾝｶｸ ｶﾀｶﾅ の店']


def make_items(count, newest=datetime.datetime(2026, 7, 23, 14, 31), step_minutes=7, site='http://site.example'):
    items = []
    for i in range(count):
        when = newest - datetime.timedelta(minutes=step_minutes * i)
        items.append(Item(stamp_of(when), f'{site}/{i:04d}/index.html', f'{TITLES[i % len(TITLES)]} {i}',
                          byline=f'更新者{i % 7}', note=f'{(i % 5) + 1}行追加'))
    return items


def page_text(items, newline='\n', charset='Shift_JIS', head='', tail=''):
    body = newline.join(f'<LI>{it.text()}</LI>' for it in items)
    return (f'<HTML><HEAD><META http-equiv="Content-Type" content="text/html; charset={charset}">'
            f'<TITLE>アンテナ</TITLE></HEAD><BODY>{newline}<H1>更新アンテナ</H1>{head}{newline}'
            f'<UL>{body}</UL>{newline}{tail}</BODY></HTML>{newline}')


def page_bytes(items, encoding='cp932', newline='\n', **kw):
    return page_text(items, newline=newline, charset=CHARSET.get(encoding, encoding), **kw).encode(encoding)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--count', type=int, default=10)
    ap.add_argument('--encoding', default='cp932')
    a = ap.parse_args()
    sys.stdout.buffer.write(page_bytes(make_items(a.count), a.encoding))


if __name__ == '__main__':
    main()
