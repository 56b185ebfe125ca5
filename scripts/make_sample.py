#!/usr/bin/env python3
"""Writes the bundled sample data package and an older-style GBK package.

    python3 scripts/make_sample.py

samples/sample-listings.csv: UTF-16LE with its mark, tab-separated, CRLF, a
"version 1.00" line, English and Chinese field names, five listings whose
descriptions use the ways sellers' packages write images.
tests/fixtures/older-gbk.csv: the older form, code page 936 bytes with one
Chinese header line and no version line.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent

FIELDS = [
    ("title", "宝贝名称"), ("cid", "宝贝类目"), ("seller_cids", "店铺类目"),
    ("stuff_status", "新旧程度"), ("location_state", "省"), ("location_city", "城市"),
    ("price", "宝贝价格"), ("num", "宝贝数量"), ("valid_thru", "有效期"),
    ("freight_payer", "运费承担"), ("post_fee", "平邮"), ("express_fee", "快递"),
    ("list_time", "开始时间"), ("description", "宝贝描述"), ("cateProps", "宝贝属性"),
    ("modified", "修改时间"), ("picture", "新图片"), ("outer_id", "商家编码"),
    ("num_id", "数字ID"), ("user_name", "账户名称"),
]

SELLER = "1718552236"
OTHER = "2932086445"


def img(host, i, who, name):
    return f"http://{host}.alicdn.com/imgextra/i{i}/{who}/{name}_!!{who}.jpg"


A1 = img("img01", 1, OTHER, "TB2xQv7bXXXXXXXXpXXXXXXXXXX")
A2 = img("img02", 2, OTHER, "TB2Lk9cbXXXXXbUXpXXXXXXXXXX") + "_400x400.jpg"
A3 = img("img03", 3, OTHER, "TB2u8QxbXXXXXaIXXXXXXXXXXXX") + "?v=1"
A4 = img("img04", 4, SELLER, "TB2cX_qbXXXXXXaXXXXXXXXXXXX")
A5 = "http://img.alicdn.com/imgextra/i1/" + OTHER + "/TB2zK7PbXXXXXXeXpXXXXXXXXXX_!!" + OTHER + ".gif"
A6 = "http://gd3.alicdn.com/bao/uploaded/i3/" + OTHER + "/TB2bgBgXXXXXXXXXXXXXXXXXXXX_!!0-item_pic.jpg_310x310.jpg"
A7 = img("img01", 1, OTHER, "TB2mOQwbXXXXXcYXXXXXXXXXXXX")
A8 = "http://img02.alicdn.com/imgextra/i2/" + OTHER + "/TB2pRsUbXXXXXbhXpXXXXXXXXXX_!!" + OTHER + ".png"

MAIN_PICS = ("e6f3a1c27a8b4d0f9e1d2c3b4a596877:1:0:|http://img.alicdn.com/bao/uploaded/i1/"
             + OTHER + "/TB1mainpicXXXXXXXXXXXXXXXXXX_!!0-item_pic.jpg;"
             "0c9b8a7f6e5d4c3b2a1908f7e6d5c4b3:1:1:|http://img.alicdn.com/bao/uploaded/i2/"
             + OTHER + "/TB2mainpicXXXXXXXXXXXXXXXXXX_!!" + OTHER + ".jpg;")


def q(text):
    """A text field: in double quotes, every inner quote doubled."""
    return '"' + text.replace('"', '""') + '"'


LISTINGS = [
    dict(title="2024新款韩版宽松显瘦针织开衫女外套", price="89.00", outer="KS-2024-01",
         desc=f'<p><img src="{A1}" align="absmiddle"></p>'
              f'<table background="{A2}" width="750" height="400"><tr><td>'
              f'<p style="color:#c00">面料：羊毛30% 腈纶70%</p></td></tr></table>'
              f'<p><img src="{A1}"></p>'
              f'<p>更多款式请看 <a href="http://shop{OTHER}.taobao.com/">本店首页</a></p>'),
    dict(title="纯棉家居服套装 春秋长袖睡衣", price="128.00", outer="JJF-0087",
         desc=f"<div><IMG SRC='{A3.replace('http://', 'HTTP://')}' border=0></div>"
              f'<div style="background:url({A4}) no-repeat;height:300px">尺码表</div>'
              f'<p>洗涤说明：30℃以下温水手洗 http://www.example.com/care.html 不可漂白</p>'),
    dict(title="手工编织草帽 遮阳沙滩帽 ❤ 夏日必备 😀", price="39.90", outer="CM-3",
         desc=f'<p>❤ 夏日限定 😀 每顶都是手工编织</p>'
              f'<p><img alt="" src={A5} width=750></p>'
              f"<p><span style=\"background-image:url('{A6}')\">细节</span></p>"
              f'<p><img src="" width="1"></p>'),
    dict(title="复古牛皮手账本 A5活页", price="56.00", outer="SZ-A5-牛皮",
         desc=f'<p><img src="{A7}"></p>'
              f'<p><img src="{A1.replace("img01", "IMG01")}"></p>'
              f'<p>赠品以实物为准，<a href="{A8}">点此查看大图</a></p>'),
    dict(title="陶瓷马克杯 带盖勺 情侣对杯", price="45.00", outer="BZ-77",
         desc=f'<p><img src="{A8}"><img src="{A7}"></p>'),
]


def row(listing, index):
    values = {
        "title": q(listing["title"]), "cid": "50000697", "seller_cids": q(",1253408437,"),
        "stuff_status": "1", "location_state": q("浙江"), "location_city": q("杭州"),
        "price": listing["price"], "num": "200", "valid_thru": "7", "freight_payer": "2",
        "post_fee": "0", "express_fee": "10", "list_time": q(""),
        "description": q(listing["desc"]),
        "cateProps": q("20000:29534;1627207:28341;"), "modified": q("2024/3/1 10:2%d:00" % index),
        "picture": q(MAIN_PICS), "outer_id": q(listing["outer"]),
        "num_id": str(612345678901 + index), "user_name": q("小林的手作铺"),
    }
    return "\t".join(values[name] for name, _ in FIELDS)


def write_sample():
    lines = ["version 1.00\t\t\t",
             "\t".join(name for name, _ in FIELDS),
             "\t".join(cn for _, cn in FIELDS)]
    lines += [row(listing, i) for i, listing in enumerate(LISTINGS)]
    text = "\r\n".join(lines) + "\r\n"
    out = ROOT / "samples" / "sample-listings.csv"
    out.write_bytes(b"\xff\xfe" + text.encode("utf-16-le"))


def write_older_gbk():
    plain = [dict(l) for l in LISTINGS if "😀" not in l["title"]]
    lines = ["\t".join(cn for _, cn in FIELDS)] + [row(l, i) for i, l in enumerate(plain)]
    text = "\r\n".join(lines) + "\r\n"
    (ROOT / "tests" / "fixtures" / "older-gbk.csv").write_bytes(text.encode("gbk"))


if __name__ == "__main__":
    write_sample()
    write_older_gbk()
