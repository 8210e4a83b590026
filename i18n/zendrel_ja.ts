<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CcCode</name>
    <message>
        <source>International Telephone Country Code</source>
        <translation>国際電話の国番号</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar item that opens the help at once; &quot;&amp;&quot; marks the access key.</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Country code</source>
        <extracomment>Caption of the frame around the whole window: the telephone country code (81 for Japan) that the window composes.</extracomment>
        <translation>国番号</translation>
    </message>
    <message>
        <source>Source country</source>
        <extracomment>Label above the list of the countries a call is dialled from (161 pixels wide).</extracomment>
        <translation>発信国</translation>
    </message>
    <message>
        <source>Select Source Country</source>
        <extracomment>Shown in the source list&apos;s field until a country is chosen.</extracomment>
        <translation>発信国を選択</translation>
    </message>
    <message>
        <source>Destination country</source>
        <extracomment>Label above the list of the countries a call goes to (161 pixels wide).</extracomment>
        <translation>着信国</translation>
    </message>
    <message>
        <source>Select Destination Country</source>
        <extracomment>Shown in the destination list&apos;s field until a country is chosen.</extracomment>
        <translation>着信国を選択</translation>
    </message>
    <message>
        <source>Dial this number first </source>
        <extracomment>Label above the composed digits (113 pixels wide); they are dialled before the area code. The English ends in a blank; a translation need not.</extracomment>
        <translation>最初にダイヤル</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Button that composes the digits to dial; only 49 pixels wide.</extracomment>
        <translation>表示</translation>
    </message>
</context>
<context>
    <name>CcHelp</name>
    <message>
        <source>Dialing sequence of international telephone number:
 Source country code         +        011-
 Destination country code    +        81-
 Domestic long distance code +        (0)-
 Domestic area code          +        3-
 Domestic station code       +        3456-
 Domestic telephone code              7890</source>
        <extracomment>The help is shown in a fixed-pitch font in a box 54 columns wide (a CJK character takes two): keep every line within it, and the &quot;+&quot; and the digits of all six rows lined up in their columns. The digits are those of the other paragraphs.</extracomment>
        <translation>国際電話番号のダイヤル順序:
 発信国の国際プレフィックス  +        011-
 着信国の国番号              +        81-
 国内プレフィックス          +        (0)-
 市外局番                    +        3-
 市内局番                    +        3456-
 加入者番号                           7890</translation>
    </message>
    <message>
        <source>Utility function:
 Source country code, destination country code,
 and domestic long distance code enclosed by
 parenthesis, 011-81-(0)- in the example above,
 are generated based upon both source and destination
 country information given.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two); break the lines to fit and indent them by one blank. &quot;Source country code&quot; is the international access code dialled in the source country, as in the first paragraph.</extracomment>
        <translation>機能:
 発信国の国際プレフィックス、着信国の国番号、
 括弧で囲んだ国内プレフィックス (上の例では
 011-81-(0)-) を、指定した発信国と着信国から
 作成します。</translation>
    </message>
    <message>
        <source>Examples:
(A) International call (from USA to Japan)
  Dial 011-81-3-3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>例:
(A) 国際電話 (米国から日本へ)
  011-81-3-3456-7890 とダイヤルします。</translation>
    </message>
    <message>
        <source>(B) Domestic long distance call (from outside of
  Tokyo, Japan to Tokyo, Japan)
  Dial 0-3-3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>(B) 国内の市外通話 (東京以外の日本国内から
  東京へ)
  0-3-3456-7890 とダイヤルします。</translation>
    </message>
    <message>
        <source>(C) Domestic local call (within Tokyo)
  Dial 3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>(C) 市内通話 (東京都内)
  3456-7890 とダイヤルします。</translation>
    </message>
    <message>
        <source>~ (tilde) denotes to wait until tone is returned.</source>
        <extracomment>Last line of the help, in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>~ (チルダ) は発信音が返るまで待つことを表します。</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Afghanistan</source>
        <translatorcomment>ISO 3166-1 AF, from iso-codes 4.15.0</translatorcomment>
        <translation>アフガニスタン</translation>
    </message>
    <message>
        <source>Albania</source>
        <translatorcomment>ISO 3166-1 AL, from iso-codes 4.15.0</translatorcomment>
        <translation>アルバニア</translation>
    </message>
    <message>
        <source>Algeria</source>
        <translatorcomment>ISO 3166-1 DZ, from iso-codes 4.15.0</translatorcomment>
        <translation>アルジェリア</translation>
    </message>
    <message>
        <source>American Samoa</source>
        <translatorcomment>ISO 3166-1 AS, from iso-codes 4.15.0</translatorcomment>
        <translation>米領サモア</translation>
    </message>
    <message>
        <source>Andorra</source>
        <translatorcomment>ISO 3166-1 AD, from iso-codes 4.15.0</translatorcomment>
        <translation>アンドラ</translation>
    </message>
    <message>
        <source>Angola</source>
        <translatorcomment>ISO 3166-1 AO, from iso-codes 4.15.0</translatorcomment>
        <translation>アンゴラ</translation>
    </message>
    <message>
        <source>Anguilla</source>
        <translatorcomment>ISO 3166-1 AI, from iso-codes 4.15.0</translatorcomment>
        <translation>アングイラ</translation>
    </message>
    <message>
        <source>Antigua</source>
        <translation>アンティグア</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translatorcomment>ISO 3166-1 AR, from iso-codes 4.15.0</translatorcomment>
        <translation>アルゼンチン</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translatorcomment>ISO 3166-1 AM, from iso-codes 4.15.0</translatorcomment>
        <translation>アルメニア</translation>
    </message>
    <message>
        <source>Aruba</source>
        <translatorcomment>ISO 3166-1 AW, from iso-codes 4.15.0</translatorcomment>
        <translation>アルーバ</translation>
    </message>
    <message>
        <source>Ascension Island</source>
        <translation>アセンション島</translation>
    </message>
    <message>
        <source>Australia (Voice)</source>
        <extracomment>Australia&apos;s access code for voice calls.</extracomment>
        <translation>オーストラリア (音声)</translation>
    </message>
    <message>
        <source>Australia (Fax)</source>
        <translation>オーストラリア (ファクス)</translation>
    </message>
    <message>
        <source>Australia (Bulk)</source>
        <extracomment>Australia&apos;s access code for bulk calls.</extracomment>
        <translation>オーストラリア (大口)</translation>
    </message>
    <message>
        <source>Austria</source>
        <translatorcomment>ISO 3166-1 AT, from iso-codes 4.15.0</translatorcomment>
        <translation>オーストリア</translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translatorcomment>ISO 3166-1 AZ, from iso-codes 4.15.0</translatorcomment>
        <translation>アゼルバイジャン</translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translatorcomment>ISO 3166-1 BS, from iso-codes 4.15.0</translatorcomment>
        <translation>バハマ</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translatorcomment>ISO 3166-1 BH, from iso-codes 4.15.0</translatorcomment>
        <translation>バーレーン</translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translatorcomment>ISO 3166-1 BD, from iso-codes 4.15.0</translatorcomment>
        <translation>バングラデシュ</translation>
    </message>
    <message>
        <source>Barbados</source>
        <translatorcomment>ISO 3166-1 BB, from iso-codes 4.15.0</translatorcomment>
        <translation>バルバドス</translation>
    </message>
    <message>
        <source>Barbuda</source>
        <translation>バーブーダ</translation>
    </message>
    <message>
        <source>Belarus</source>
        <translatorcomment>ISO 3166-1 BY, from iso-codes 4.15.0</translatorcomment>
        <translation>ベラルーシ</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translatorcomment>ISO 3166-1 BE, from iso-codes 4.15.0</translatorcomment>
        <translation>ベルギー</translation>
    </message>
    <message>
        <source>Belize</source>
        <translatorcomment>ISO 3166-1 BZ, from iso-codes 4.15.0</translatorcomment>
        <translation>ベリーズ</translation>
    </message>
    <message>
        <source>Benin</source>
        <translatorcomment>ISO 3166-1 BJ, from iso-codes 4.15.0</translatorcomment>
        <translation>ベナン</translation>
    </message>
    <message>
        <source>Bermuda</source>
        <translatorcomment>ISO 3166-1 BM, from iso-codes 4.15.0</translatorcomment>
        <translation>バーミューダ</translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translatorcomment>ISO 3166-1 BT, from iso-codes 4.15.0</translatorcomment>
        <translation>ブータン</translation>
    </message>
    <message>
        <source>Bolivia (Entel)</source>
        <extracomment>A carrier&apos;s access code; carriers keep their own names.</extracomment>
        <translation>ボリビア (Entel)</translation>
    </message>
    <message>
        <source>Bolivia (AES Communications)</source>
        <translation>ボリビア (AES Communications)</translation>
    </message>
    <message>
        <source>Bolivia (Teledata)</source>
        <translation>ボリビア (Teledata)</translation>
    </message>
    <message>
        <source>Bolivia (Boliviatel)</source>
        <translation>ボリビア (Boliviatel)</translation>
    </message>
    <message>
        <source>Bosnia &amp; Herzegovina</source>
        <translatorcomment>ISO 3166-1 BA, from iso-codes 4.15.0</translatorcomment>
        <translation>ボスニア・ヘルツェゴビナ</translation>
    </message>
    <message>
        <source>Botswana</source>
        <translatorcomment>ISO 3166-1 BW, from iso-codes 4.15.0</translatorcomment>
        <translation>ボツワナ</translation>
    </message>
    <message>
        <source>Brazil (Embratel)</source>
        <translation>ブラジル (Embratel)</translation>
    </message>
    <message>
        <source>Brazil (Intelig)</source>
        <translation>ブラジル (Intelig)</translation>
    </message>
    <message>
        <source>Brazil (Mobile phones)</source>
        <translation>ブラジル (携帯電話)</translation>
    </message>
    <message>
        <source>British Virgin Islands</source>
        <translatorcomment>ISO 3166-1 VG, from iso-codes 4.15.0</translatorcomment>
        <translation>英領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Brunei</source>
        <translatorcomment>ISO 3166-1 BN, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルネイ・ダルサラーム国</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translatorcomment>ISO 3166-1 BG, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルガリア</translation>
    </message>
    <message>
        <source>Burkina Faso</source>
        <translatorcomment>ISO 3166-1 BF, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルキナファソ</translation>
    </message>
    <message>
        <source>Burundi</source>
        <translatorcomment>ISO 3166-1 BI, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルンジ</translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translatorcomment>ISO 3166-1 KH, from iso-codes 4.15.0</translatorcomment>
        <translation>カンボジア</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translatorcomment>ISO 3166-1 CM, from iso-codes 4.15.0</translatorcomment>
        <translation>カメルーン</translation>
    </message>
    <message>
        <source>Canada</source>
        <translatorcomment>ISO 3166-1 CA, from iso-codes 4.15.0</translatorcomment>
        <translation>カナダ</translation>
    </message>
    <message>
        <source>Cape Verde Islands</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>カーボヴェルデ</translation>
    </message>
    <message>
        <source>Cayman Islands</source>
        <translatorcomment>ISO 3166-1 KY, from iso-codes 4.15.0</translatorcomment>
        <translation>ケイマン諸島</translation>
    </message>
    <message>
        <source>Central African Republic</source>
        <translatorcomment>ISO 3166-1 CF, from iso-codes 4.15.0</translatorcomment>
        <translation>中央アフリカ共和国</translation>
    </message>
    <message>
        <source>Chad</source>
        <translatorcomment>ISO 3166-1 TD, from iso-codes 4.15.0</translatorcomment>
        <translation>チャド</translation>
    </message>
    <message>
        <source>Chatham Island</source>
        <translation>チャタム島</translation>
    </message>
    <message>
        <source>Chile</source>
        <translatorcomment>ISO 3166-1 CL, from iso-codes 4.15.0</translatorcomment>
        <translation>チリ</translation>
    </message>
    <message>
        <source>China</source>
        <translatorcomment>ISO 3166-1 CN, from iso-codes 4.15.0</translatorcomment>
        <translation>中国</translation>
    </message>
    <message>
        <source>Christmas Island</source>
        <translatorcomment>ISO 3166-1 CX, from iso-codes 4.15.0</translatorcomment>
        <translation>クリスマス島</translation>
    </message>
    <message>
        <source>Cocos-Keeling Islands</source>
        <translatorcomment>ISO 3166-1 CC, from iso-codes 4.15.0</translatorcomment>
        <translation>ココス (キーリング) 諸島</translation>
    </message>
    <message>
        <source>Colombia (Orbitel)</source>
        <translation>コロンビア (Orbitel)</translation>
    </message>
    <message>
        <source>Colombia (ETB/Mundo)</source>
        <translation>コロンビア (ETB/Mundo)</translation>
    </message>
    <message>
        <source>Colombia (Telecom)</source>
        <translation>コロンビア (Telecom)</translation>
    </message>
    <message>
        <source>Comoros</source>
        <translatorcomment>ISO 3166-1 KM, from iso-codes 4.15.0</translatorcomment>
        <translation>コモロ</translation>
    </message>
    <message>
        <source>Congo</source>
        <translatorcomment>ISO 3166-1 CG, from iso-codes 4.15.0</translatorcomment>
        <translation>コンゴ</translation>
    </message>
    <message>
        <source>Congo (Zaire)</source>
        <translatorcomment>ISO 3166-1 CD, from iso-codes 4.15.0</translatorcomment>
        <translation>コンゴ民主共和国</translation>
    </message>
    <message>
        <source>Cook Islands</source>
        <translatorcomment>ISO 3166-1 CK, from iso-codes 4.15.0</translatorcomment>
        <translation>クック諸島</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translatorcomment>ISO 3166-1 CR, from iso-codes 4.15.0</translatorcomment>
        <translation>コスタリカ</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translatorcomment>ISO 3166-1 HR, from iso-codes 4.15.0</translatorcomment>
        <translation>クロアチア</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translatorcomment>ISO 3166-1 CU, from iso-codes 4.15.0</translatorcomment>
        <translation>キューバ</translation>
    </message>
    <message>
        <source>Curaçao</source>
        <translatorcomment>ISO 3166-1 CW, from iso-codes 4.15.0</translatorcomment>
        <translation>キュラソー</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translatorcomment>ISO 3166-1 CY, from iso-codes 4.15.0</translatorcomment>
        <translation>キプロス</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>チェコ</translation>
    </message>
    <message>
        <source>Czech Republic ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>チェコ ()</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translatorcomment>ISO 3166-1 DK, from iso-codes 4.15.0</translatorcomment>
        <translation>デンマーク</translation>
    </message>
    <message>
        <source>Diego Garcia</source>
        <translation>ディエゴガルシア島</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translatorcomment>ISO 3166-1 DJ, from iso-codes 4.15.0</translatorcomment>
        <translation>ジブチ</translation>
    </message>
    <message>
        <source>Dominica</source>
        <translatorcomment>ISO 3166-1 DM, from iso-codes 4.15.0</translatorcomment>
        <translation>ドミニカ</translation>
    </message>
    <message>
        <source>Dominican Republic</source>
        <translatorcomment>ISO 3166-1 DO, from iso-codes 4.15.0</translatorcomment>
        <translation>ドミニカ共和国</translation>
    </message>
    <message>
        <source>East Timor</source>
        <translatorcomment>ISO 3166-1 TL, from iso-codes 4.15.0</translatorcomment>
        <translation>東ティモール</translation>
    </message>
    <message>
        <source>Easter Island</source>
        <translation>イースター島</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translatorcomment>ISO 3166-1 EC, from iso-codes 4.15.0</translatorcomment>
        <translation>エクアドル</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translatorcomment>ISO 3166-1 EG, from iso-codes 4.15.0</translatorcomment>
        <translation>エジプト</translation>
    </message>
    <message>
        <source>Equatorial Guinea</source>
        <translatorcomment>ISO 3166-1 GQ, from iso-codes 4.15.0</translatorcomment>
        <translation>赤道ギニア</translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translatorcomment>ISO 3166-1 ER, from iso-codes 4.15.0</translatorcomment>
        <translation>エリトリア国</translation>
    </message>
    <message>
        <source>Estonia</source>
        <translatorcomment>ISO 3166-1 EE, from iso-codes 4.15.0</translatorcomment>
        <translation>エストニア</translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translatorcomment>ISO 3166-1 ET, from iso-codes 4.15.0</translatorcomment>
        <translation>エチオピア</translation>
    </message>
    <message>
        <source>Faeroe Islands</source>
        <translatorcomment>ISO 3166-1 FO, from iso-codes 4.15.0</translatorcomment>
        <translation>フェロー諸島</translation>
    </message>
    <message>
        <source>Falkland Islands</source>
        <translatorcomment>ISO 3166-1 FK, from iso-codes 4.15.0</translatorcomment>
        <translation>フォークランド諸島 (マルビナス)</translation>
    </message>
    <message>
        <source>Fiji Islands</source>
        <translatorcomment>ISO 3166-1 FJ, from iso-codes 4.15.0</translatorcomment>
        <translation>フィジー</translation>
    </message>
    <message>
        <source>Finland</source>
        <translatorcomment>ISO 3166-1 FI, from iso-codes 4.15.0</translatorcomment>
        <translation>フィンランド</translation>
    </message>
    <message>
        <source>Finland ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>フィンランド ()</translation>
    </message>
    <message>
        <source>France (France Telecom)</source>
        <translation>フランス (France Telecom)</translation>
    </message>
    <message>
        <source>France (Tele 2)</source>
        <translation>フランス (Tele 2)</translation>
    </message>
    <message>
        <source>France (Omnicom)</source>
        <translation>フランス (Omnicom)</translation>
    </message>
    <message>
        <source>France (LE 7 Cegetel)</source>
        <translation>フランス (LE 7 Cegetel)</translation>
    </message>
    <message>
        <source>France (9 Telecom)</source>
        <translation>フランス (9 Telecom)</translation>
    </message>
    <message>
        <source>French Antilles</source>
        <translation>仏領アンティル</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translatorcomment>ISO 3166-1 GF, from iso-codes 4.15.0</translatorcomment>
        <translation>仏領ギアナ</translation>
    </message>
    <message>
        <source>French Polynesia</source>
        <translatorcomment>ISO 3166-1 PF, from iso-codes 4.15.0</translatorcomment>
        <translation>仏領ポリネシア</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translatorcomment>ISO 3166-1 GA, from iso-codes 4.15.0</translatorcomment>
        <translation>ガボン</translation>
    </message>
    <message>
        <source>Gambia</source>
        <translatorcomment>ISO 3166-1 GM, from iso-codes 4.15.0</translatorcomment>
        <translation>ガンビア</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translatorcomment>ISO 3166-1 GE; the name Japan has used since 2015, where iso-codes 4.15.0 still has グルジア</translatorcomment>
        <translation>ジョージア</translation>
    </message>
    <message>
        <source>Germany</source>
        <translatorcomment>ISO 3166-1 DE, from iso-codes 4.15.0</translatorcomment>
        <translation>ドイツ</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translatorcomment>ISO 3166-1 GH, from iso-codes 4.15.0</translatorcomment>
        <translation>ガーナ</translation>
    </message>
    <message>
        <source>Gibraltar</source>
        <translatorcomment>ISO 3166-1 GI, from iso-codes 4.15.0</translatorcomment>
        <translation>ジブラルタル</translation>
    </message>
    <message>
        <source>Greece</source>
        <translatorcomment>ISO 3166-1 GR, from iso-codes 4.15.0</translatorcomment>
        <translation>ギリシャ</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translatorcomment>ISO 3166-1 GL, from iso-codes 4.15.0</translatorcomment>
        <translation>グリーンランド</translation>
    </message>
    <message>
        <source>Grenada</source>
        <translatorcomment>ISO 3166-1 GD, from iso-codes 4.15.0</translatorcomment>
        <translation>グレナダ</translation>
    </message>
    <message>
        <source>Guadeloupe</source>
        <translatorcomment>ISO 3166-1 GP, from iso-codes 4.15.0</translatorcomment>
        <translation>グアドループ</translation>
    </message>
    <message>
        <source>Guam</source>
        <translatorcomment>ISO 3166-1 GU, from iso-codes 4.15.0</translatorcomment>
        <translation>グアム</translation>
    </message>
    <message>
        <source>Guantanamo Bay</source>
        <translation>グアンタナモ湾</translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translatorcomment>ISO 3166-1 GT, from iso-codes 4.15.0</translatorcomment>
        <translation>グアテマラ</translation>
    </message>
    <message>
        <source>Guinea-Bissau</source>
        <translatorcomment>ISO 3166-1 GW, from iso-codes 4.15.0</translatorcomment>
        <translation>ギニアビサウ</translation>
    </message>
    <message>
        <source>Guinea</source>
        <translatorcomment>ISO 3166-1 GN, from iso-codes 4.15.0</translatorcomment>
        <translation>ギニア</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translatorcomment>ISO 3166-1 GY, from iso-codes 4.15.0</translatorcomment>
        <translation>ガイアナ</translation>
    </message>
    <message>
        <source>Haiti</source>
        <translatorcomment>ISO 3166-1 HT, from iso-codes 4.15.0</translatorcomment>
        <translation>ハイチ</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translatorcomment>ISO 3166-1 HN, from iso-codes 4.15.0</translatorcomment>
        <translation>ホンジュラス</translation>
    </message>
    <message>
        <source>Hong Kong (HKCWT)</source>
        <translation>香港 (HKCWT)</translation>
    </message>
    <message>
        <source>Hong Kong (New World)</source>
        <translation>香港 (New World)</translation>
    </message>
    <message>
        <source>Hong Kong (Hutchison)</source>
        <translation>香港 (Hutchison)</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translatorcomment>ISO 3166-1 HU, from iso-codes 4.15.0</translatorcomment>
        <translation>ハンガリー</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translatorcomment>ISO 3166-1 IS, from iso-codes 4.15.0</translatorcomment>
        <translation>アイスランド</translation>
    </message>
    <message>
        <source>India</source>
        <translatorcomment>ISO 3166-1 IN, from iso-codes 4.15.0</translatorcomment>
        <translation>インド</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translatorcomment>ISO 3166-1 ID, from iso-codes 4.15.0</translatorcomment>
        <translation>インドネシア</translation>
    </message>
    <message>
        <source>Indonesia ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>インドネシア ()</translation>
    </message>
    <message>
        <source>Iran</source>
        <translatorcomment>ISO 3166-1 IR, from iso-codes 4.15.0</translatorcomment>
        <translation>イラン・イスラム共和国</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translatorcomment>ISO 3166-1 IQ, from iso-codes 4.15.0</translatorcomment>
        <translation>イラク</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translatorcomment>ISO 3166-1 IE, from iso-codes 4.15.0</translatorcomment>
        <translation>アイルランド</translation>
    </message>
    <message>
        <source>Ireland (North)</source>
        <extracomment>Northern Ireland.</extracomment>
        <translation>北アイルランド</translation>
    </message>
    <message>
        <source>Israel</source>
        <translatorcomment>ISO 3166-1 IL, from iso-codes 4.15.0</translatorcomment>
        <translation>イスラエル</translation>
    </message>
    <message>
        <source>Israel (Golden Lines)</source>
        <translation>イスラエル (Golden Lines)</translation>
    </message>
    <message>
        <source>Israel (Barak)</source>
        <translation>イスラエル (Barak)</translation>
    </message>
    <message>
        <source>Israel (Bezeq)</source>
        <translation>イスラエル (Bezeq)</translation>
    </message>
    <message>
        <source>Italy</source>
        <translatorcomment>ISO 3166-1 IT, from iso-codes 4.15.0</translatorcomment>
        <translation>イタリア</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translatorcomment>ISO 3166-1 CI, from iso-codes 4.15.0</translatorcomment>
        <translation>コートジボワール</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translatorcomment>ISO 3166-1 JM, from iso-codes 4.15.0</translatorcomment>
        <translation>ジャマイカ</translation>
    </message>
    <message>
        <source>Japan (KDD)</source>
        <translation>日本 (KDD)</translation>
    </message>
    <message>
        <source>Japan (Myline/Myline Plus)</source>
        <translation>日本 (Myline/Myline Plus)</translation>
    </message>
    <message>
        <source>Japan (Cable &amp; Wireless IDC)</source>
        <translation>日本 (Cable &amp; Wireless IDC)</translation>
    </message>
    <message>
        <source>Japan (Japan Telecom)</source>
        <translation>日本 (Japan Telecom)</translation>
    </message>
    <message>
        <source>Jordan</source>
        <translatorcomment>ISO 3166-1 JO, from iso-codes 4.15.0</translatorcomment>
        <translation>ヨルダン</translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translatorcomment>ISO 3166-1 KZ, from iso-codes 4.15.0</translatorcomment>
        <translation>カザフスタン</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translatorcomment>ISO 3166-1 KE, from iso-codes 4.15.0</translatorcomment>
        <translation>ケニア</translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translatorcomment>ISO 3166-1 KI, from iso-codes 4.15.0</translatorcomment>
        <translation>キリバス</translation>
    </message>
    <message>
        <source>Korea (North)</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>朝鮮民主主義人民共和国</translation>
    </message>
    <message>
        <source>Korea (South)</source>
        <translatorcomment>ISO 3166-1 KR, from iso-codes 4.15.0</translatorcomment>
        <translation>大韓民国 (韓国)</translation>
    </message>
    <message>
        <source>Korea (South) ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>大韓民国 ()</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translatorcomment>ISO 3166-1 KW, from iso-codes 4.15.0</translatorcomment>
        <translation>クウェート</translation>
    </message>
    <message>
        <source>Kyrgyz Republic</source>
        <translatorcomment>ISO 3166-1 KG, from iso-codes 4.15.0</translatorcomment>
        <translation>キルギスタン</translation>
    </message>
    <message>
        <source>Laos</source>
        <translatorcomment>ISO 3166-1 LA, from iso-codes 4.15.0</translatorcomment>
        <translation>ラオス人民民主共和国</translation>
    </message>
    <message>
        <source>Latvia</source>
        <translatorcomment>ISO 3166-1 LV, from iso-codes 4.15.0</translatorcomment>
        <translation>ラトビア</translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translatorcomment>ISO 3166-1 LB, from iso-codes 4.15.0</translatorcomment>
        <translation>レバノン</translation>
    </message>
    <message>
        <source>Lesotho</source>
        <translatorcomment>ISO 3166-1 LS, from iso-codes 4.15.0</translatorcomment>
        <translation>レソト</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translatorcomment>ISO 3166-1 LR, from iso-codes 4.15.0</translatorcomment>
        <translation>リベリア</translation>
    </message>
    <message>
        <source>Libya</source>
        <translatorcomment>ISO 3166-1 LY, from iso-codes 4.15.0</translatorcomment>
        <translation>リビア</translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translatorcomment>ISO 3166-1 LI, from iso-codes 4.15.0</translatorcomment>
        <translation>リヒテンシュタイン</translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translatorcomment>ISO 3166-1 LT, from iso-codes 4.15.0</translatorcomment>
        <translation>リトアニア</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translatorcomment>ISO 3166-1 LU, from iso-codes 4.15.0</translatorcomment>
        <translation>ルクセンブルク</translation>
    </message>
    <message>
        <source>Macau</source>
        <translatorcomment>ISO 3166-1 MO, from iso-codes 4.15.0</translatorcomment>
        <translation>マカオ</translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation>北マケドニア</translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translatorcomment>ISO 3166-1 MG, from iso-codes 4.15.0</translatorcomment>
        <translation>マダガスカル</translation>
    </message>
    <message>
        <source>Malawi</source>
        <translatorcomment>ISO 3166-1 MW, from iso-codes 4.15.0</translatorcomment>
        <translation>マラウイ</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translatorcomment>ISO 3166-1 MY, from iso-codes 4.15.0</translatorcomment>
        <translation>マレーシア</translation>
    </message>
    <message>
        <source>Maldives</source>
        <translatorcomment>ISO 3166-1 MV, from iso-codes 4.15.0</translatorcomment>
        <translation>モルディブ</translation>
    </message>
    <message>
        <source>Mali Republic</source>
        <translatorcomment>ISO 3166-1 ML, from iso-codes 4.15.0</translatorcomment>
        <translation>マリ</translation>
    </message>
    <message>
        <source>Malta</source>
        <translatorcomment>ISO 3166-1 MT, from iso-codes 4.15.0</translatorcomment>
        <translation>マルタ</translation>
    </message>
    <message>
        <source>Marshall Islands</source>
        <translatorcomment>ISO 3166-1 MH, from iso-codes 4.15.0</translatorcomment>
        <translation>マーシャル諸島</translation>
    </message>
    <message>
        <source>Martinique</source>
        <translatorcomment>ISO 3166-1 MQ, from iso-codes 4.15.0</translatorcomment>
        <translation>マルティニーク</translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translatorcomment>ISO 3166-1 MR, from iso-codes 4.15.0</translatorcomment>
        <translation>モーリタニア</translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translatorcomment>ISO 3166-1 MU, from iso-codes 4.15.0</translatorcomment>
        <translation>モーリシャス</translation>
    </message>
    <message>
        <source>Mayotte Island</source>
        <translatorcomment>ISO 3166-1 YT, from iso-codes 4.15.0</translatorcomment>
        <translation>マヨット</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translatorcomment>ISO 3166-1 MX, from iso-codes 4.15.0</translatorcomment>
        <translation>メキシコ</translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translatorcomment>ISO 3166-1 FM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミクロネシア連邦</translation>
    </message>
    <message>
        <source>Midway Island</source>
        <translatorcomment>ISO 3166-3 MIUM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミッドウェー諸島</translation>
    </message>
    <message>
        <source>Moldova</source>
        <translatorcomment>ISO 3166-1 MD, from iso-codes 4.15.0</translatorcomment>
        <translation>モルドバ</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translatorcomment>ISO 3166-1 MC, from iso-codes 4.15.0</translatorcomment>
        <translation>モナコ</translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translatorcomment>ISO 3166-1 MN, from iso-codes 4.15.0</translatorcomment>
        <translation>モンゴル国</translation>
    </message>
    <message>
        <source>Montserrat</source>
        <translatorcomment>ISO 3166-1 MS, from iso-codes 4.15.0</translatorcomment>
        <translation>モントセラト</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translatorcomment>ISO 3166-1 MA, from iso-codes 4.15.0</translatorcomment>
        <translation>モロッコ</translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translatorcomment>ISO 3166-1 MZ, from iso-codes 4.15.0</translatorcomment>
        <translation>モザンビーク</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translatorcomment>ISO 3166-1 MM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミャンマー</translation>
    </message>
    <message>
        <source>Namibia</source>
        <translatorcomment>ISO 3166-1 NA, from iso-codes 4.15.0</translatorcomment>
        <translation>ナミビア</translation>
    </message>
    <message>
        <source>Nauru</source>
        <translatorcomment>ISO 3166-1 NR, from iso-codes 4.15.0</translatorcomment>
        <translation>ナウル</translation>
    </message>
    <message>
        <source>Nepal</source>
        <translatorcomment>ISO 3166-1 NP, from iso-codes 4.15.0</translatorcomment>
        <translation>ネパール</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translatorcomment>ISO 3166-1 NL, from iso-codes 4.15.0</translatorcomment>
        <translation>オランダ</translation>
    </message>
    <message>
        <source>Netherlands Antilles</source>
        <translatorcomment>ISO 3166-3 ANHH, from iso-codes 4.15.0</translatorcomment>
        <translation>オランダ領アンティル諸島</translation>
    </message>
    <message>
        <source>Nevis</source>
        <translation>ネーヴィス島</translation>
    </message>
    <message>
        <source>New Caledonia</source>
        <translatorcomment>ISO 3166-1 NC, from iso-codes 4.15.0</translatorcomment>
        <translation>ニューカレドニア</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translatorcomment>ISO 3166-1 NZ, from iso-codes 4.15.0</translatorcomment>
        <translation>ニュージーランド</translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translatorcomment>ISO 3166-1 NI, from iso-codes 4.15.0</translatorcomment>
        <translation>ニカラグア</translation>
    </message>
    <message>
        <source>Niger</source>
        <translatorcomment>ISO 3166-1 NE, from iso-codes 4.15.0</translatorcomment>
        <translation>ニジェール</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translatorcomment>ISO 3166-1 NG, from iso-codes 4.15.0</translatorcomment>
        <translation>ナイジェリア</translation>
    </message>
    <message>
        <source>Niue</source>
        <translatorcomment>ISO 3166-1 NU, from iso-codes 4.15.0</translatorcomment>
        <translation>ニウエ</translation>
    </message>
    <message>
        <source>Norfolk Island</source>
        <translatorcomment>ISO 3166-1 NF, from iso-codes 4.15.0</translatorcomment>
        <translation>ノーフォーク島</translation>
    </message>
    <message>
        <source>Northern Marianas Islands</source>
        <translatorcomment>ISO 3166-1 MP, from iso-codes 4.15.0</translatorcomment>
        <translation>北マリアナ諸島</translation>
    </message>
    <message>
        <source>Norway</source>
        <translatorcomment>ISO 3166-1 NO, from iso-codes 4.15.0</translatorcomment>
        <translation>ノルウェー</translation>
    </message>
    <message>
        <source>Oman</source>
        <translatorcomment>ISO 3166-1 OM, from iso-codes 4.15.0</translatorcomment>
        <translation>オマーン</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translatorcomment>ISO 3166-1 PK, from iso-codes 4.15.0</translatorcomment>
        <translation>パキスタン</translation>
    </message>
    <message>
        <source>Palau</source>
        <translatorcomment>ISO 3166-1 PW, from iso-codes 4.15.0</translatorcomment>
        <translation>パラオ</translation>
    </message>
    <message>
        <source>Palestine</source>
        <translatorcomment>ISO 3166-1 PS, from iso-codes 4.15.0</translatorcomment>
        <translation>パレスチナ</translation>
    </message>
    <message>
        <source>Panama</source>
        <translatorcomment>ISO 3166-1 PA, from iso-codes 4.15.0</translatorcomment>
        <translation>パナマ</translation>
    </message>
    <message>
        <source>Papua New Guinea</source>
        <translatorcomment>ISO 3166-1 PG, from iso-codes 4.15.0</translatorcomment>
        <translation>パプアニューギニア</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translatorcomment>ISO 3166-1 PY, from iso-codes 4.15.0</translatorcomment>
        <translation>パラグアイ</translation>
    </message>
    <message>
        <source>Peru</source>
        <translatorcomment>ISO 3166-1 PE, from iso-codes 4.15.0</translatorcomment>
        <translation>ペルー</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translatorcomment>ISO 3166-1 PH, from iso-codes 4.15.0</translatorcomment>
        <translation>フィリピン</translation>
    </message>
    <message>
        <source>Poland</source>
        <translatorcomment>ISO 3166-1 PL, from iso-codes 4.15.0</translatorcomment>
        <translation>ポーランド</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translatorcomment>ISO 3166-1 PT, from iso-codes 4.15.0</translatorcomment>
        <translation>ポルトガル</translation>
    </message>
    <message>
        <source>Portugal (Rubicon/BT)</source>
        <translation>ポルトガル (Rubicon/BT)</translation>
    </message>
    <message>
        <source>Puerto Rico</source>
        <translatorcomment>ISO 3166-1 PR, from iso-codes 4.15.0</translatorcomment>
        <translation>プエルトリコ</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translatorcomment>ISO 3166-1 QA, from iso-codes 4.15.0</translatorcomment>
        <translation>カタール</translation>
    </message>
    <message>
        <source>Réunion Island</source>
        <translatorcomment>ISO 3166-1 RE, from iso-codes 4.15.0</translatorcomment>
        <translation>レユニオン</translation>
    </message>
    <message>
        <source>Romania</source>
        <translatorcomment>ISO 3166-1 RO, from iso-codes 4.15.0</translatorcomment>
        <translation>ルーマニア</translation>
    </message>
    <message>
        <source>Russia</source>
        <translatorcomment>ISO 3166-1 RU, from iso-codes 4.15.0</translatorcomment>
        <translation>ロシア連邦</translation>
    </message>
    <message>
        <source>Rwanda</source>
        <translatorcomment>ISO 3166-1 RW, from iso-codes 4.15.0</translatorcomment>
        <translation>ルワンダ</translation>
    </message>
    <message>
        <source>St. Helena</source>
        <translation>セントヘレナ</translation>
    </message>
    <message>
        <source>St. Kitts/Nevis</source>
        <translatorcomment>ISO 3166-1 KN, from iso-codes 4.15.0</translatorcomment>
        <translation>セントクリストファー・ネーヴィス</translation>
    </message>
    <message>
        <source>St. Lucia</source>
        <translatorcomment>ISO 3166-1 LC, from iso-codes 4.15.0</translatorcomment>
        <translation>セントルシア</translation>
    </message>
    <message>
        <source>St. Pierre &amp; Miquelon</source>
        <translatorcomment>ISO 3166-1 PM, from iso-codes 4.15.0</translatorcomment>
        <translation>サンピエール及びミクロン</translation>
    </message>
    <message>
        <source>St. Vincent &amp; Grenadines</source>
        <translatorcomment>ISO 3166-1 VC, from iso-codes 4.15.0</translatorcomment>
        <translation>セントビンセント及びグレナディーン諸島</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translatorcomment>ISO 3166-1 SM, from iso-codes 4.15.0</translatorcomment>
        <translation>サンマリノ</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translatorcomment>ISO 3166-1 SA, from iso-codes 4.15.0</translatorcomment>
        <translation>サウジアラビア</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translatorcomment>ISO 3166-1 SN, from iso-codes 4.15.0</translatorcomment>
        <translation>セネガル</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translatorcomment>ISO 3166-1 RS, from iso-codes 4.15.0</translatorcomment>
        <translation>セルビア</translation>
    </message>
    <message>
        <source>Singapore (Singtel IDD)</source>
        <translation>シンガポール (Singtel IDD)</translation>
    </message>
    <message>
        <source>Singapore (MobileOne IDD)</source>
        <translation>シンガポール (MobileOne IDD)</translation>
    </message>
    <message>
        <source>Singapore (Starhub IDD)</source>
        <translation>シンガポール (Starhub IDD)</translation>
    </message>
    <message>
        <source>Singapore (Singtel FaxPlus)</source>
        <translation>シンガポール (Singtel FaxPlus)</translation>
    </message>
    <message>
        <source>Singapore (Singtel BudgetCall)</source>
        <translation>シンガポール (Singtel BudgetCall)</translation>
    </message>
    <message>
        <source>Singapore (Starhub I-Call)</source>
        <translation>シンガポール (Starhub I-Call)</translation>
    </message>
    <message>
        <source>Singapore (Singtel V019)</source>
        <translation>シンガポール (Singtel V019)</translation>
    </message>
    <message>
        <source>Sierra Leone</source>
        <translatorcomment>ISO 3166-1 SL, from iso-codes 4.15.0</translatorcomment>
        <translation>シエラレオネ</translation>
    </message>
    <message>
        <source>Slovak Republic</source>
        <translatorcomment>ISO 3166-1 SK, from iso-codes 4.15.0</translatorcomment>
        <translation>スロバキア</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translatorcomment>ISO 3166-1 SI, from iso-codes 4.15.0</translatorcomment>
        <translation>スロベニア</translation>
    </message>
    <message>
        <source>Somalia</source>
        <translatorcomment>ISO 3166-1 SO, from iso-codes 4.15.0</translatorcomment>
        <translation>ソマリア</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translatorcomment>ISO 3166-1 ZA, from iso-codes 4.15.0</translatorcomment>
        <translation>南アフリカ</translation>
    </message>
    <message>
        <source>Spain</source>
        <translatorcomment>ISO 3166-1 ES, from iso-codes 4.15.0</translatorcomment>
        <translation>スペイン</translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translatorcomment>ISO 3166-1 LK, from iso-codes 4.15.0</translatorcomment>
        <translation>スリランカ</translation>
    </message>
    <message>
        <source>Sudan</source>
        <translatorcomment>ISO 3166-1 SD, from iso-codes 4.15.0</translatorcomment>
        <translation>スーダン</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translatorcomment>ISO 3166-1 SR, from iso-codes 4.15.0</translatorcomment>
        <translation>スリナム</translation>
    </message>
    <message>
        <source>Swaziland</source>
        <translation>エスワティニ</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translatorcomment>ISO 3166-1 SE, from iso-codes 4.15.0</translatorcomment>
        <translation>スウェーデン</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translatorcomment>ISO 3166-1 CH, from iso-codes 4.15.0</translatorcomment>
        <translation>スイス</translation>
    </message>
    <message>
        <source>Syria</source>
        <translatorcomment>ISO 3166-1 SY, from iso-codes 4.15.0</translatorcomment>
        <translation>シリア・アラブ共和国</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translatorcomment>ISO 3166-1 TW, from iso-codes 4.15.0</translatorcomment>
        <translation>台湾</translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translatorcomment>ISO 3166-1 TJ, from iso-codes 4.15.0</translatorcomment>
        <translation>タジキスタン</translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translatorcomment>ISO 3166-1 TZ, from iso-codes 4.15.0</translatorcomment>
        <translation>タンザニア</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translatorcomment>ISO 3166-1 TH, from iso-codes 4.15.0</translatorcomment>
        <translation>タイ</translation>
    </message>
    <message>
        <source>Togo</source>
        <translatorcomment>ISO 3166-1 TG, from iso-codes 4.15.0</translatorcomment>
        <translation>トーゴ</translation>
    </message>
    <message>
        <source>Tokelau</source>
        <translatorcomment>ISO 3166-1 TK, from iso-codes 4.15.0</translatorcomment>
        <translation>トケラウ</translation>
    </message>
    <message>
        <source>Tonga Islands</source>
        <translatorcomment>ISO 3166-1 TO, from iso-codes 4.15.0</translatorcomment>
        <translation>トンガ</translation>
    </message>
    <message>
        <source>Trinidad &amp; Tobago</source>
        <translatorcomment>ISO 3166-1 TT, from iso-codes 4.15.0</translatorcomment>
        <translation>トリニダード・トバゴ</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translatorcomment>ISO 3166-1 TN, from iso-codes 4.15.0</translatorcomment>
        <translation>チュニジア</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>トルコ</translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translatorcomment>ISO 3166-1 TM, from iso-codes 4.15.0</translatorcomment>
        <translation>トルクメニスタン</translation>
    </message>
    <message>
        <source>Tuvalu</source>
        <translatorcomment>ISO 3166-1 TV, from iso-codes 4.15.0</translatorcomment>
        <translation>ツバル</translation>
    </message>
    <message>
        <source>Uganda</source>
        <translatorcomment>ISO 3166-1 UG, from iso-codes 4.15.0</translatorcomment>
        <translation>ウガンダ</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translatorcomment>ISO 3166-1 UA, from iso-codes 4.15.0</translatorcomment>
        <translation>ウクライナ</translation>
    </message>
    <message>
        <source>United Arab Emirates</source>
        <translatorcomment>ISO 3166-1 AE, from iso-codes 4.15.0</translatorcomment>
        <translation>アラブ首長国連邦</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translatorcomment>ISO 3166-1 GB, from iso-codes 4.15.0</translatorcomment>
        <translation>英国</translation>
    </message>
    <message>
        <source>United States of America</source>
        <translatorcomment>ISO 3166-1 US, from iso-codes 4.15.0</translatorcomment>
        <translation>米国</translation>
    </message>
    <message>
        <source>US Virgin Islands</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>米領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translatorcomment>ISO 3166-1 UY, from iso-codes 4.15.0</translatorcomment>
        <translation>ウルグアイ</translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translatorcomment>ISO 3166-1 UZ, from iso-codes 4.15.0</translatorcomment>
        <translation>ウズベキスタン</translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translatorcomment>ISO 3166-1 VU, from iso-codes 4.15.0</translatorcomment>
        <translation>バヌアツ</translation>
    </message>
    <message>
        <source>Vatican City</source>
        <translatorcomment>ISO 3166-1 VA; the short name, as the list writes the others, where iso-codes 4.15.0 has 聖庁 (バチカン市国)</translatorcomment>
        <translation>バチカン</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translatorcomment>ISO 3166-1 VE, from iso-codes 4.15.0</translatorcomment>
        <translation>ベネズエラ</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translatorcomment>ISO 3166-1 VN, from iso-codes 4.15.0</translatorcomment>
        <translation>ベトナム</translation>
    </message>
    <message>
        <source>Wake Island</source>
        <translatorcomment>ISO 3166-3 WKUM, from iso-codes 4.15.0</translatorcomment>
        <translation>ウェーク島</translation>
    </message>
    <message>
        <source>Yemen</source>
        <translatorcomment>ISO 3166-1 YE, from iso-codes 4.15.0</translatorcomment>
        <translation>イエメン</translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translation>ユーゴスラビア</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translatorcomment>ISO 3166-1 ZM, from iso-codes 4.15.0</translatorcomment>
        <translation>ザンビア</translation>
    </message>
    <message>
        <source>Zanzibar</source>
        <translation>ザンジバル</translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translatorcomment>ISO 3166-1 ZW, from iso-codes 4.15.0</translatorcomment>
        <translation>ジンバブエ</translation>
    </message>
    <message>
        <source>Australia</source>
        <translatorcomment>ISO 3166-1 AU, from iso-codes 4.15.0</translatorcomment>
        <translation>オーストラリア連邦</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translatorcomment>ISO 3166-1 BO, from iso-codes 4.15.0</translatorcomment>
        <translation>ボリビア</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translatorcomment>ISO 3166-1 BR, from iso-codes 4.15.0</translatorcomment>
        <translation>ブラジル</translation>
    </message>
    <message>
        <source>CapeVerde Islands</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>カーボヴェルデ</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translatorcomment>ISO 3166-1 CO, from iso-codes 4.15.0</translatorcomment>
        <translation>コロンビア</translation>
    </message>
    <message>
        <source>France</source>
        <translatorcomment>ISO 3166-1 FR, from iso-codes 4.15.0</translatorcomment>
        <translation>フランス</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translatorcomment>ISO 3166-1 HK, from iso-codes 4.15.0</translatorcomment>
        <translation>香港</translation>
    </message>
    <message>
        <source>Japan</source>
        <translatorcomment>ISO 3166-1 JP, from iso-codes 4.15.0</translatorcomment>
        <translation>日本</translation>
    </message>
    <message>
        <source>St.Helena</source>
        <translation>セントヘレナ</translation>
    </message>
    <message>
        <source>St.Kitts/Nevis</source>
        <translatorcomment>ISO 3166-1 KN, from iso-codes 4.15.0</translatorcomment>
        <translation>セントクリストファー・ネーヴィス</translation>
    </message>
    <message>
        <source>St.Lucia</source>
        <translatorcomment>ISO 3166-1 LC, from iso-codes 4.15.0</translatorcomment>
        <translation>セントルシア</translation>
    </message>
    <message>
        <source>St.Pierre &amp; Miquelon</source>
        <translatorcomment>ISO 3166-1 PM, from iso-codes 4.15.0</translatorcomment>
        <translation>サンピエール及びミクロン</translation>
    </message>
    <message>
        <source>St.Vincent &amp; Grenadines</source>
        <translatorcomment>ISO 3166-1 VC, from iso-codes 4.15.0</translatorcomment>
        <translation>セントビンセント及びグレナディーン諸島</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translatorcomment>ISO 3166-1 SG, from iso-codes 4.15.0</translatorcomment>
        <translation>シンガポール</translation>
    </message>
    <message>
        <source>USVirgin Islands</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>米領ヴァージン諸島</translation>
    </message>
</context>
<context>
    <name>CountrySearch</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An item that the typed text found by another name or a code, not by the name the list shows: %1 is that name, %2 what was found, as in &quot;United Kingdom (+44)&quot; or &quot;United States of America (USA)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>Error</source>
        <extracomment>Title of the box that tells of a failure.</extracomment>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>FileSelect</name>
    <message>
        <source>Open</source>
        <extracomment>Title of the window that chooses the wave file to open.</extracomment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File type:  wave files (*.wav)</source>
        <translation>種類:  WAVファイル (*.wav)</translation>
    </message>
    <message>
        <source>Selected file, %1</source>
        <extracomment>What a screen reader says for the selected file box; %1 is the path, or &quot;none&quot;.</extracomment>
        <translation>選択したファイル、%1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Open file first.</source>
        <translation>先にファイルを開いてください。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <extracomment>%1 is the folder, %2 why it cannot be read.</extracomment>
        <translation>フォルダー %1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <extracomment>%1 is a drive (on Windows, a drive letter); it has no medium in it, as an empty card reader.</extracomment>
        <translation>ドライブ %1 の準備ができていません。</translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message>
        <source>No such file or directory</source>
        <translation>ファイルまたはディレクトリがありません</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>ディレクトリではありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
</context>
<context>
    <name>FrmCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day cell. A QLocale date format: d day, M month number, MMMM month name, yyyy year, dddd weekday name; Latin letters meant as text go in single quotes. For example &quot;yyyy年M月d日dddd&quot;, &quot;dddd, d. MMMM yyyy&quot;.</extracomment>
        <translation>yyyy年M月d日dddd</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The window&apos;s title.
----------
The caption of the frame round the month grid and the two lists.</extracomment>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Caption of the month list, 41 pixels wide.</extracomment>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Caption of the year list, 33 pixels wide.</extracomment>
        <translation>年</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <extracomment>How a screen reader names the month grid. A QLocale date format: MMMM month name, M month number, yyyy year; Latin letters meant as text go in single quotes. For example &quot;yyyy年M月&quot;.</extracomment>
        <translation>yyyy年M月</translation>
    </message>
    <message>
        <source>%1, today</source>
        <extracomment>How a screen reader names today&apos;s day cell: %1 is the date, as spoken for a day.</extracomment>
        <translation>%1、今日</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the converter&apos;s and the dialer&apos;s help windows.</extracomment>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>ISO country name</name>
    <message>
        <source>Principality of Andorra</source>
        <translatorcomment>ISO 3166-1 AD, from iso-codes 4.15.0</translatorcomment>
        <translation>アンドラ公国</translation>
    </message>
    <message>
        <source>Islamic Republic of Afghanistan</source>
        <translatorcomment>ISO 3166-1 AF, from iso-codes 4.15.0</translatorcomment>
        <translation>アフガニスタン・イスラム共和国</translation>
    </message>
    <message>
        <source>Republic of Albania</source>
        <translatorcomment>ISO 3166-1 AL, from iso-codes 4.15.0</translatorcomment>
        <translation>アルバニア共和国</translation>
    </message>
    <message>
        <source>Republic of Armenia</source>
        <translatorcomment>ISO 3166-1 AM, from iso-codes 4.15.0</translatorcomment>
        <translation>アルメニア共和国</translation>
    </message>
    <message>
        <source>Republic of Angola</source>
        <translatorcomment>ISO 3166-1 AO, from iso-codes 4.15.0</translatorcomment>
        <translation>アンゴラ共和国</translation>
    </message>
    <message>
        <source>Argentine Republic</source>
        <translatorcomment>ISO 3166-1 AR, from iso-codes 4.15.0</translatorcomment>
        <translation>アルゼンチン共和国</translation>
    </message>
    <message>
        <source>Republic of Austria</source>
        <translatorcomment>ISO 3166-1 AT, from iso-codes 4.15.0</translatorcomment>
        <translation>オーストリア共和国</translation>
    </message>
    <message>
        <source>Republic of Azerbaijan</source>
        <translatorcomment>ISO 3166-1 AZ, from iso-codes 4.15.0</translatorcomment>
        <translation>アゼルバイジャン共和国</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translatorcomment>ISO 3166-1 BA, from iso-codes 4.15.0</translatorcomment>
        <translation>ボスニア・ヘルツェゴビナ</translation>
    </message>
    <message>
        <source>Republic of Bosnia and Herzegovina</source>
        <translatorcomment>ISO 3166-1 BA, from iso-codes 4.15.0</translatorcomment>
        <translation>ボスニアヘルツコビナ共和国</translation>
    </message>
    <message>
        <source>People&apos;s Republic of Bangladesh</source>
        <translatorcomment>ISO 3166-1 BD, from iso-codes 4.15.0</translatorcomment>
        <translation>バングラデシュ人民共和国</translation>
    </message>
    <message>
        <source>Kingdom of Belgium</source>
        <translatorcomment>ISO 3166-1 BE, from iso-codes 4.15.0</translatorcomment>
        <translation>ベルギー王国</translation>
    </message>
    <message>
        <source>Republic of Bulgaria</source>
        <translatorcomment>ISO 3166-1 BG, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルガリア共和国</translation>
    </message>
    <message>
        <source>Kingdom of Bahrain</source>
        <translatorcomment>ISO 3166-1 BH, from iso-codes 4.15.0</translatorcomment>
        <translation>バーレーン王国</translation>
    </message>
    <message>
        <source>Republic of Burundi</source>
        <translatorcomment>ISO 3166-1 BI, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルンジ共和国</translation>
    </message>
    <message>
        <source>Republic of Benin</source>
        <translatorcomment>ISO 3166-1 BJ, from iso-codes 4.15.0</translatorcomment>
        <translation>ベナン共和国</translation>
    </message>
    <message>
        <source>Brunei Darussalam</source>
        <translatorcomment>ISO 3166-1 BN, from iso-codes 4.15.0</translatorcomment>
        <translation>ブルネイ・ダルサラーム国</translation>
    </message>
    <message>
        <source>Bolivia, Plurinational State of</source>
        <translatorcomment>ISO 3166-1 BO, from iso-codes 4.15.0</translatorcomment>
        <translation>ボリビア多民族国</translation>
    </message>
    <message>
        <source>Plurinational State of Bolivia</source>
        <translatorcomment>ISO 3166-1 BO, from iso-codes 4.15.0</translatorcomment>
        <translation>ボリビア多民族国</translation>
    </message>
    <message>
        <source>Federative Republic of Brazil</source>
        <translatorcomment>ISO 3166-1 BR, from iso-codes 4.15.0</translatorcomment>
        <translation>ブラジル連邦共和国</translation>
    </message>
    <message>
        <source>Commonwealth of the Bahamas</source>
        <translatorcomment>ISO 3166-1 BS, from iso-codes 4.15.0</translatorcomment>
        <translation>バハマ国</translation>
    </message>
    <message>
        <source>Kingdom of Bhutan</source>
        <translatorcomment>ISO 3166-1 BT, from iso-codes 4.15.0</translatorcomment>
        <translation>ブータン王国</translation>
    </message>
    <message>
        <source>Republic of Botswana</source>
        <translatorcomment>ISO 3166-1 BW, from iso-codes 4.15.0</translatorcomment>
        <translation>ボツワナ共和国</translation>
    </message>
    <message>
        <source>Republic of Belarus</source>
        <translatorcomment>ISO 3166-1 BY, from iso-codes 4.15.0</translatorcomment>
        <translation>ベラルーシ共和国</translation>
    </message>
    <message>
        <source>Cocos (Keeling) Islands</source>
        <translatorcomment>ISO 3166-1 CC, from iso-codes 4.15.0</translatorcomment>
        <translation>ココス (キーリング) 諸島</translation>
    </message>
    <message>
        <source>Congo, The Democratic Republic of the</source>
        <translatorcomment>ISO 3166-1 CD, from iso-codes 4.15.0</translatorcomment>
        <translation>コンゴ民主共和国</translation>
    </message>
    <message>
        <source>Republic of the Congo</source>
        <translatorcomment>ISO 3166-1 CG, from iso-codes 4.15.0</translatorcomment>
        <translation>コンゴ共和国</translation>
    </message>
    <message>
        <source>Swiss Confederation</source>
        <translatorcomment>ISO 3166-1 CH, from iso-codes 4.15.0</translatorcomment>
        <translation>スイス連邦</translation>
    </message>
    <message>
        <source>Côte d&apos;Ivoire</source>
        <translatorcomment>ISO 3166-1 CI, from iso-codes 4.15.0</translatorcomment>
        <translation>コートジボワール</translation>
    </message>
    <message>
        <source>Republic of Côte d&apos;Ivoire</source>
        <translatorcomment>ISO 3166-1 CI, from iso-codes 4.15.0</translatorcomment>
        <translation>コートジボワール共和国</translation>
    </message>
    <message>
        <source>Republic of Chile</source>
        <translatorcomment>ISO 3166-1 CL, from iso-codes 4.15.0</translatorcomment>
        <translation>チリ共和国</translation>
    </message>
    <message>
        <source>Republic of Cameroon</source>
        <translatorcomment>ISO 3166-1 CM, from iso-codes 4.15.0</translatorcomment>
        <translation>カメルーン共和国</translation>
    </message>
    <message>
        <source>People&apos;s Republic of China</source>
        <translatorcomment>ISO 3166-1 CN, from iso-codes 4.15.0</translatorcomment>
        <translation>中華人民共和国</translation>
    </message>
    <message>
        <source>Republic of Colombia</source>
        <translatorcomment>ISO 3166-1 CO, from iso-codes 4.15.0</translatorcomment>
        <translation>コロンビア共和国</translation>
    </message>
    <message>
        <source>Republic of Costa Rica</source>
        <translatorcomment>ISO 3166-1 CR, from iso-codes 4.15.0</translatorcomment>
        <translation>コスタリカ共和国</translation>
    </message>
    <message>
        <source>Republic of Cuba</source>
        <translatorcomment>ISO 3166-1 CU, from iso-codes 4.15.0</translatorcomment>
        <translation>キューバ共和国</translation>
    </message>
    <message>
        <source>Cabo Verde</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>カーボヴェルデ</translation>
    </message>
    <message>
        <source>Republic of Cabo Verde</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>カーボヴェルデ共和国</translation>
    </message>
    <message>
        <source>Republic of Cyprus</source>
        <translatorcomment>ISO 3166-1 CY, from iso-codes 4.15.0</translatorcomment>
        <translation>キプロス共和国</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>チェコ</translation>
    </message>
    <message>
        <source>Federal Republic of Germany</source>
        <translatorcomment>ISO 3166-1 DE, from iso-codes 4.15.0</translatorcomment>
        <translation>ドイツ連邦共和国</translation>
    </message>
    <message>
        <source>Republic of Djibouti</source>
        <translatorcomment>ISO 3166-1 DJ, from iso-codes 4.15.0</translatorcomment>
        <translation>ジブチ共和国</translation>
    </message>
    <message>
        <source>Kingdom of Denmark</source>
        <translatorcomment>ISO 3166-1 DK, from iso-codes 4.15.0</translatorcomment>
        <translation>デンマーク王国</translation>
    </message>
    <message>
        <source>Commonwealth of Dominica</source>
        <translatorcomment>ISO 3166-1 DM, from iso-codes 4.15.0</translatorcomment>
        <translation>ドミニカ国</translation>
    </message>
    <message>
        <source>People&apos;s Democratic Republic of Algeria</source>
        <translatorcomment>ISO 3166-1 DZ, from iso-codes 4.15.0</translatorcomment>
        <translation>アルジェリア民主人民共和国</translation>
    </message>
    <message>
        <source>Republic of Ecuador</source>
        <translatorcomment>ISO 3166-1 EC, from iso-codes 4.15.0</translatorcomment>
        <translation>エクアドル共和国</translation>
    </message>
    <message>
        <source>Republic of Estonia</source>
        <translatorcomment>ISO 3166-1 EE, from iso-codes 4.15.0</translatorcomment>
        <translation>エストニア共和国</translation>
    </message>
    <message>
        <source>Arab Republic of Egypt</source>
        <translatorcomment>ISO 3166-1 EG, from iso-codes 4.15.0</translatorcomment>
        <translation>エジプト・アラブ共和国</translation>
    </message>
    <message>
        <source>the State of Eritrea</source>
        <translatorcomment>ISO 3166-1 ER, from iso-codes 4.15.0</translatorcomment>
        <translation>エリトリア国</translation>
    </message>
    <message>
        <source>Kingdom of Spain</source>
        <translatorcomment>ISO 3166-1 ES, from iso-codes 4.15.0</translatorcomment>
        <translation>スペイン王国</translation>
    </message>
    <message>
        <source>Federal Democratic Republic of Ethiopia</source>
        <translatorcomment>ISO 3166-1 ET, from iso-codes 4.15.0</translatorcomment>
        <translation>エチオピア連邦民主共和国</translation>
    </message>
    <message>
        <source>Republic of Finland</source>
        <translatorcomment>ISO 3166-1 FI, from iso-codes 4.15.0</translatorcomment>
        <translation>フィンランド共和国</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translatorcomment>ISO 3166-1 FJ, from iso-codes 4.15.0</translatorcomment>
        <translation>フィジー</translation>
    </message>
    <message>
        <source>Republic of Fiji</source>
        <translatorcomment>ISO 3166-1 FJ, from iso-codes 4.15.0</translatorcomment>
        <translation>フィジー共和国</translation>
    </message>
    <message>
        <source>Falkland Islands (Malvinas)</source>
        <translatorcomment>ISO 3166-1 FK, from iso-codes 4.15.0</translatorcomment>
        <translation>フォークランド諸島 (マルビナス)</translation>
    </message>
    <message>
        <source>Micronesia, Federated States of</source>
        <translatorcomment>ISO 3166-1 FM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミクロネシア連邦</translation>
    </message>
    <message>
        <source>Federated States of Micronesia</source>
        <translatorcomment>ISO 3166-1 FM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミクロネシア連邦</translation>
    </message>
    <message>
        <source>Faroe Islands</source>
        <translatorcomment>ISO 3166-1 FO, from iso-codes 4.15.0</translatorcomment>
        <translation>フェロー諸島</translation>
    </message>
    <message>
        <source>French Republic</source>
        <translatorcomment>ISO 3166-1 FR, from iso-codes 4.15.0</translatorcomment>
        <translation>フランス共和国</translation>
    </message>
    <message>
        <source>Gabonese Republic</source>
        <translatorcomment>ISO 3166-1 GA, from iso-codes 4.15.0</translatorcomment>
        <translation>ガボン共和国</translation>
    </message>
    <message>
        <source>United Kingdom of Great Britain and Northern Ireland</source>
        <translatorcomment>ISO 3166-1 GB, from iso-codes 4.15.0</translatorcomment>
        <translation>グレートブリテン及び北アイルランド連合王国</translation>
    </message>
    <message>
        <source>Republic of Ghana</source>
        <translatorcomment>ISO 3166-1 GH, from iso-codes 4.15.0</translatorcomment>
        <translation>ガーナ共和国</translation>
    </message>
    <message>
        <source>Republic of the Gambia</source>
        <translation>ガンビア共和国</translation>
    </message>
    <message>
        <source>Republic of Guinea</source>
        <translatorcomment>ISO 3166-1 GN, from iso-codes 4.15.0</translatorcomment>
        <translation>ギニア共和国</translation>
    </message>
    <message>
        <source>Republic of Equatorial Guinea</source>
        <translatorcomment>ISO 3166-1 GQ, from iso-codes 4.15.0</translatorcomment>
        <translation>赤道ギニア共和国</translation>
    </message>
    <message>
        <source>Hellenic Republic</source>
        <translatorcomment>ISO 3166-1 GR, from iso-codes 4.15.0</translatorcomment>
        <translation>ギリシア共和国</translation>
    </message>
    <message>
        <source>Republic of Guatemala</source>
        <translatorcomment>ISO 3166-1 GT, from iso-codes 4.15.0</translatorcomment>
        <translation>グアテマラ共和国</translation>
    </message>
    <message>
        <source>Republic of Guinea-Bissau</source>
        <translatorcomment>ISO 3166-1 GW, from iso-codes 4.15.0</translatorcomment>
        <translation>ギニアビサウ共和国</translation>
    </message>
    <message>
        <source>Republic of Guyana</source>
        <translatorcomment>ISO 3166-1 GY, from iso-codes 4.15.0</translatorcomment>
        <translation>ガイアナ共和国</translation>
    </message>
    <message>
        <source>Hong Kong Special Administrative Region of China</source>
        <translatorcomment>ISO 3166-1 HK, from iso-codes 4.15.0</translatorcomment>
        <translation>香港・中国特別行政区</translation>
    </message>
    <message>
        <source>Republic of Honduras</source>
        <translatorcomment>ISO 3166-1 HN, from iso-codes 4.15.0</translatorcomment>
        <translation>ホンジュラス共和国</translation>
    </message>
    <message>
        <source>Republic of Croatia</source>
        <translatorcomment>ISO 3166-1 HR, from iso-codes 4.15.0</translatorcomment>
        <translation>クロアチア共和国</translation>
    </message>
    <message>
        <source>Republic of Haiti</source>
        <translatorcomment>ISO 3166-1 HT, from iso-codes 4.15.0</translatorcomment>
        <translation>ハイチ共和国</translation>
    </message>
    <message>
        <source>Republic of Indonesia</source>
        <translatorcomment>ISO 3166-1 ID, from iso-codes 4.15.0</translatorcomment>
        <translation>インドネシア共和国</translation>
    </message>
    <message>
        <source>State of Israel</source>
        <translatorcomment>ISO 3166-1 IL, from iso-codes 4.15.0</translatorcomment>
        <translation>イスラエル国</translation>
    </message>
    <message>
        <source>Republic of India</source>
        <translatorcomment>ISO 3166-1 IN, from iso-codes 4.15.0</translatorcomment>
        <translation>インド共和国</translation>
    </message>
    <message>
        <source>Republic of Iraq</source>
        <translatorcomment>ISO 3166-1 IQ, from iso-codes 4.15.0</translatorcomment>
        <translation>イラク共和国</translation>
    </message>
    <message>
        <source>Iran, Islamic Republic of</source>
        <translatorcomment>ISO 3166-1 IR, from iso-codes 4.15.0</translatorcomment>
        <translation>イラン・イスラム共和国</translation>
    </message>
    <message>
        <source>Islamic Republic of Iran</source>
        <translatorcomment>ISO 3166-1 IR, from iso-codes 4.15.0</translatorcomment>
        <translation>イラン・イスラム共和国</translation>
    </message>
    <message>
        <source>Republic of Iceland</source>
        <translatorcomment>ISO 3166-1 IS, from iso-codes 4.15.0</translatorcomment>
        <translation>アイスランド共和国</translation>
    </message>
    <message>
        <source>Italian Republic</source>
        <translatorcomment>ISO 3166-1 IT, from iso-codes 4.15.0</translatorcomment>
        <translation>イタリア共和国</translation>
    </message>
    <message>
        <source>Hashemite Kingdom of Jordan</source>
        <translatorcomment>ISO 3166-1 JO, from iso-codes 4.15.0</translatorcomment>
        <translation>ヨルダン・ハシェミット王国</translation>
    </message>
    <message>
        <source>Republic of Kenya</source>
        <translatorcomment>ISO 3166-1 KE, from iso-codes 4.15.0</translatorcomment>
        <translation>ケニア共和国</translation>
    </message>
    <message>
        <source>Kyrgyzstan</source>
        <translatorcomment>ISO 3166-1 KG, from iso-codes 4.15.0</translatorcomment>
        <translation>キルギスタン</translation>
    </message>
    <message>
        <source>Kingdom of Cambodia</source>
        <translatorcomment>ISO 3166-1 KH, from iso-codes 4.15.0</translatorcomment>
        <translation>カンボジア王国</translation>
    </message>
    <message>
        <source>Republic of Kiribati</source>
        <translatorcomment>ISO 3166-1 KI, from iso-codes 4.15.0</translatorcomment>
        <translation>キリバス共和国</translation>
    </message>
    <message>
        <source>Union of the Comoros</source>
        <translatorcomment>ISO 3166-1 KM, from iso-codes 4.15.0</translatorcomment>
        <translation>コモロ連合</translation>
    </message>
    <message>
        <source>Saint Kitts and Nevis</source>
        <translatorcomment>ISO 3166-1 KN, from iso-codes 4.15.0</translatorcomment>
        <translation>セントクリストファー・ネーヴィス</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>北朝鮮</translation>
    </message>
    <message>
        <source>Korea, Democratic People&apos;s Republic of</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>朝鮮民主主義人民共和国</translation>
    </message>
    <message>
        <source>Democratic People&apos;s Republic of Korea</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>朝鮮民主主義人民共和国</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>韓国</translation>
    </message>
    <message>
        <source>Korea, Republic of</source>
        <translatorcomment>ISO 3166-1 KR, from iso-codes 4.15.0</translatorcomment>
        <translation>大韓民国 (韓国)</translation>
    </message>
    <message>
        <source>State of Kuwait</source>
        <translatorcomment>ISO 3166-1 KW, from iso-codes 4.15.0</translatorcomment>
        <translation>クウェート国</translation>
    </message>
    <message>
        <source>Republic of Kazakhstan</source>
        <translatorcomment>ISO 3166-1 KZ, from iso-codes 4.15.0</translatorcomment>
        <translation>カザフスタン共和国</translation>
    </message>
    <message>
        <source>Lao People&apos;s Democratic Republic</source>
        <translatorcomment>ISO 3166-1 LA, from iso-codes 4.15.0</translatorcomment>
        <translation>ラオス人民民主共和国</translation>
    </message>
    <message>
        <source>Lebanese Republic</source>
        <translatorcomment>ISO 3166-1 LB, from iso-codes 4.15.0</translatorcomment>
        <translation>レバノン共和国</translation>
    </message>
    <message>
        <source>Saint Lucia</source>
        <translatorcomment>ISO 3166-1 LC, from iso-codes 4.15.0</translatorcomment>
        <translation>セントルシア</translation>
    </message>
    <message>
        <source>Principality of Liechtenstein</source>
        <translatorcomment>ISO 3166-1 LI, from iso-codes 4.15.0</translatorcomment>
        <translation>リヒテンシュタイン公国</translation>
    </message>
    <message>
        <source>Democratic Socialist Republic of Sri Lanka</source>
        <translatorcomment>ISO 3166-1 LK, from iso-codes 4.15.0</translatorcomment>
        <translation>スリランカ民主社会主義共和国</translation>
    </message>
    <message>
        <source>Republic of Liberia</source>
        <translatorcomment>ISO 3166-1 LR, from iso-codes 4.15.0</translatorcomment>
        <translation>リベリア共和国</translation>
    </message>
    <message>
        <source>Kingdom of Lesotho</source>
        <translatorcomment>ISO 3166-1 LS, from iso-codes 4.15.0</translatorcomment>
        <translation>レソト王国</translation>
    </message>
    <message>
        <source>Republic of Lithuania</source>
        <translatorcomment>ISO 3166-1 LT, from iso-codes 4.15.0</translatorcomment>
        <translation>リトアニア共和国</translation>
    </message>
    <message>
        <source>Grand Duchy of Luxembourg</source>
        <translatorcomment>ISO 3166-1 LU, from iso-codes 4.15.0</translatorcomment>
        <translation>ルクセンブルク大公国</translation>
    </message>
    <message>
        <source>Republic of Latvia</source>
        <translatorcomment>ISO 3166-1 LV, from iso-codes 4.15.0</translatorcomment>
        <translation>ラトビア共和国</translation>
    </message>
    <message>
        <source>Kingdom of Morocco</source>
        <translatorcomment>ISO 3166-1 MA, from iso-codes 4.15.0</translatorcomment>
        <translation>モロッコ王国</translation>
    </message>
    <message>
        <source>Principality of Monaco</source>
        <translatorcomment>ISO 3166-1 MC, from iso-codes 4.15.0</translatorcomment>
        <translation>モナコ公国</translation>
    </message>
    <message>
        <source>Moldova, Republic of</source>
        <translatorcomment>ISO 3166-1 MD, from iso-codes 4.15.0</translatorcomment>
        <translation>モルドバ共和国</translation>
    </message>
    <message>
        <source>Republic of Moldova</source>
        <translatorcomment>ISO 3166-1 MD, from iso-codes 4.15.0</translatorcomment>
        <translation>モルドバ共和国</translation>
    </message>
    <message>
        <source>Republic of Madagascar</source>
        <translatorcomment>ISO 3166-1 MG, from iso-codes 4.15.0</translatorcomment>
        <translation>マダガスカル共和国</translation>
    </message>
    <message>
        <source>Republic of the Marshall Islands</source>
        <translatorcomment>ISO 3166-1 MH, from iso-codes 4.15.0</translatorcomment>
        <translation>マーシャル諸島共和国</translation>
    </message>
    <message>
        <source>Midway Islands</source>
        <translatorcomment>ISO 3166-3 MIUM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミッドウェー諸島</translation>
    </message>
    <message>
        <source>North Macedonia</source>
        <translation>北マケドニア</translation>
    </message>
    <message>
        <source>Republic of North Macedonia</source>
        <translation>北マケドニア共和国</translation>
    </message>
    <message>
        <source>Mali</source>
        <translatorcomment>ISO 3166-1 ML, from iso-codes 4.15.0</translatorcomment>
        <translation>マリ</translation>
    </message>
    <message>
        <source>Republic of Mali</source>
        <translatorcomment>ISO 3166-1 ML, from iso-codes 4.15.0</translatorcomment>
        <translation>マリ共和国</translation>
    </message>
    <message>
        <source>Republic of Myanmar</source>
        <translatorcomment>ISO 3166-1 MM, from iso-codes 4.15.0</translatorcomment>
        <translation>ミャンマー共和国</translation>
    </message>
    <message>
        <source>Macao</source>
        <translatorcomment>ISO 3166-1 MO, from iso-codes 4.15.0</translatorcomment>
        <translation>マカオ</translation>
    </message>
    <message>
        <source>Macao Special Administrative Region of China</source>
        <translatorcomment>ISO 3166-1 MO, from iso-codes 4.15.0</translatorcomment>
        <translation>マカオ・中国特別行政区</translation>
    </message>
    <message>
        <source>Northern Mariana Islands</source>
        <translatorcomment>ISO 3166-1 MP, from iso-codes 4.15.0</translatorcomment>
        <translation>北マリアナ諸島</translation>
    </message>
    <message>
        <source>Commonwealth of the Northern Mariana Islands</source>
        <translatorcomment>ISO 3166-1 MP, from iso-codes 4.15.0</translatorcomment>
        <translation>北マリアナ諸島連邦</translation>
    </message>
    <message>
        <source>Islamic Republic of Mauritania</source>
        <translatorcomment>ISO 3166-1 MR, from iso-codes 4.15.0</translatorcomment>
        <translation>モーリタニア・イスラム共和国</translation>
    </message>
    <message>
        <source>Republic of Malta</source>
        <translatorcomment>ISO 3166-1 MT, from iso-codes 4.15.0</translatorcomment>
        <translation>マルタ共和国</translation>
    </message>
    <message>
        <source>Republic of Mauritius</source>
        <translatorcomment>ISO 3166-1 MU, from iso-codes 4.15.0</translatorcomment>
        <translation>モーリシャス共和国</translation>
    </message>
    <message>
        <source>Republic of Maldives</source>
        <translatorcomment>ISO 3166-1 MV, from iso-codes 4.15.0</translatorcomment>
        <translation>モルディブ共和国</translation>
    </message>
    <message>
        <source>Republic of Malawi</source>
        <translatorcomment>ISO 3166-1 MW, from iso-codes 4.15.0</translatorcomment>
        <translation>マラウイ共和国</translation>
    </message>
    <message>
        <source>United Mexican States</source>
        <translatorcomment>ISO 3166-1 MX, from iso-codes 4.15.0</translatorcomment>
        <translation>メキシコ合衆国</translation>
    </message>
    <message>
        <source>Republic of Mozambique</source>
        <translatorcomment>ISO 3166-1 MZ, from iso-codes 4.15.0</translatorcomment>
        <translation>モザンビーク共和国</translation>
    </message>
    <message>
        <source>Republic of Namibia</source>
        <translatorcomment>ISO 3166-1 NA, from iso-codes 4.15.0</translatorcomment>
        <translation>ナミビア共和国</translation>
    </message>
    <message>
        <source>Republic of the Niger</source>
        <translatorcomment>ISO 3166-1 NE, from iso-codes 4.15.0</translatorcomment>
        <translation>ニジェール共和国</translation>
    </message>
    <message>
        <source>Federal Republic of Nigeria</source>
        <translatorcomment>ISO 3166-1 NG, from iso-codes 4.15.0</translatorcomment>
        <translation>ナイジェリア連邦共和国</translation>
    </message>
    <message>
        <source>Republic of Nicaragua</source>
        <translatorcomment>ISO 3166-1 NI, from iso-codes 4.15.0</translatorcomment>
        <translation>ニカラグア共和国</translation>
    </message>
    <message>
        <source>Kingdom of the Netherlands</source>
        <translatorcomment>ISO 3166-1 NL, from iso-codes 4.15.0</translatorcomment>
        <translation>オランダ王国</translation>
    </message>
    <message>
        <source>Kingdom of Norway</source>
        <translatorcomment>ISO 3166-1 NO, from iso-codes 4.15.0</translatorcomment>
        <translation>ノルウェー王国</translation>
    </message>
    <message>
        <source>Federal Democratic Republic of Nepal</source>
        <translatorcomment>ISO 3166-1 NP, from iso-codes 4.15.0</translatorcomment>
        <translation>ネパール連邦民主共和国</translation>
    </message>
    <message>
        <source>Republic of Nauru</source>
        <translatorcomment>ISO 3166-1 NR, from iso-codes 4.15.0</translatorcomment>
        <translation>ナウル共和国</translation>
    </message>
    <message>
        <source>Sultanate of Oman</source>
        <translatorcomment>ISO 3166-1 OM, from iso-codes 4.15.0</translatorcomment>
        <translation>オマーン国</translation>
    </message>
    <message>
        <source>Republic of Panama</source>
        <translatorcomment>ISO 3166-1 PA, from iso-codes 4.15.0</translatorcomment>
        <translation>パナマ共和国</translation>
    </message>
    <message>
        <source>Republic of Peru</source>
        <translatorcomment>ISO 3166-1 PE, from iso-codes 4.15.0</translatorcomment>
        <translation>ペルー共和国</translation>
    </message>
    <message>
        <source>Independent State of Papua New Guinea</source>
        <translatorcomment>ISO 3166-1 PG, from iso-codes 4.15.0</translatorcomment>
        <translation>パプアニューギニア独立国</translation>
    </message>
    <message>
        <source>Republic of the Philippines</source>
        <translatorcomment>ISO 3166-1 PH, from iso-codes 4.15.0</translatorcomment>
        <translation>フィリピン共和国</translation>
    </message>
    <message>
        <source>Islamic Republic of Pakistan</source>
        <translatorcomment>ISO 3166-1 PK, from iso-codes 4.15.0</translatorcomment>
        <translation>パキスタン・イスラム共和国</translation>
    </message>
    <message>
        <source>Republic of Poland</source>
        <translatorcomment>ISO 3166-1 PL, from iso-codes 4.15.0</translatorcomment>
        <translation>ポーランド共和国</translation>
    </message>
    <message>
        <source>Saint Pierre and Miquelon</source>
        <translatorcomment>ISO 3166-1 PM, from iso-codes 4.15.0</translatorcomment>
        <translation>サンピエール及びミクロン</translation>
    </message>
    <message>
        <source>Palestine, State of</source>
        <translatorcomment>ISO 3166-1 PS, from iso-codes 4.15.0</translatorcomment>
        <translation>パレスチナ</translation>
    </message>
    <message>
        <source>the State of Palestine</source>
        <translatorcomment>ISO 3166-1 PS, from iso-codes 4.15.0</translatorcomment>
        <translation>パレスチナ自治区</translation>
    </message>
    <message>
        <source>Portuguese Republic</source>
        <translatorcomment>ISO 3166-1 PT, from iso-codes 4.15.0</translatorcomment>
        <translation>ポルトガル共和国</translation>
    </message>
    <message>
        <source>Republic of Palau</source>
        <translatorcomment>ISO 3166-1 PW, from iso-codes 4.15.0</translatorcomment>
        <translation>パラオ共和国</translation>
    </message>
    <message>
        <source>Republic of Paraguay</source>
        <translatorcomment>ISO 3166-1 PY, from iso-codes 4.15.0</translatorcomment>
        <translation>パラグアイ共和国</translation>
    </message>
    <message>
        <source>State of Qatar</source>
        <translatorcomment>ISO 3166-1 QA, from iso-codes 4.15.0</translatorcomment>
        <translation>カタール国</translation>
    </message>
    <message>
        <source>Réunion</source>
        <translatorcomment>ISO 3166-1 RE, from iso-codes 4.15.0</translatorcomment>
        <translation>レユニオン</translation>
    </message>
    <message>
        <source>Republic of Serbia</source>
        <translatorcomment>ISO 3166-1 RS, from iso-codes 4.15.0</translatorcomment>
        <translation>セルビア共和国</translation>
    </message>
    <message>
        <source>Russian Federation</source>
        <translatorcomment>ISO 3166-1 RU, from iso-codes 4.15.0</translatorcomment>
        <translation>ロシア連邦</translation>
    </message>
    <message>
        <source>Rwandese Republic</source>
        <translatorcomment>ISO 3166-1 RW, from iso-codes 4.15.0</translatorcomment>
        <translation>ルワンダ共和国</translation>
    </message>
    <message>
        <source>Kingdom of Saudi Arabia</source>
        <translatorcomment>ISO 3166-1 SA, from iso-codes 4.15.0</translatorcomment>
        <translation>サウジアラビア王国</translation>
    </message>
    <message>
        <source>Republic of the Sudan</source>
        <translatorcomment>ISO 3166-1 SD, from iso-codes 4.15.0</translatorcomment>
        <translation>スーダン共和国</translation>
    </message>
    <message>
        <source>Kingdom of Sweden</source>
        <translatorcomment>ISO 3166-1 SE, from iso-codes 4.15.0</translatorcomment>
        <translation>スウェーデン王国</translation>
    </message>
    <message>
        <source>Republic of Singapore</source>
        <translatorcomment>ISO 3166-1 SG, from iso-codes 4.15.0</translatorcomment>
        <translation>シンガポール共和国</translation>
    </message>
    <message>
        <source>Republic of Slovenia</source>
        <translatorcomment>ISO 3166-1 SI, from iso-codes 4.15.0</translatorcomment>
        <translation>スロベニア共和国</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translatorcomment>ISO 3166-1 SK, from iso-codes 4.15.0</translatorcomment>
        <translation>スロバキア</translation>
    </message>
    <message>
        <source>Republic of Sierra Leone</source>
        <translatorcomment>ISO 3166-1 SL, from iso-codes 4.15.0</translatorcomment>
        <translation>シエラレオネ共和国</translation>
    </message>
    <message>
        <source>Republic of San Marino</source>
        <translatorcomment>ISO 3166-1 SM, from iso-codes 4.15.0</translatorcomment>
        <translation>サンマリノ共和国</translation>
    </message>
    <message>
        <source>Republic of Senegal</source>
        <translatorcomment>ISO 3166-1 SN, from iso-codes 4.15.0</translatorcomment>
        <translation>セネガル共和国</translation>
    </message>
    <message>
        <source>Federal Republic of Somalia</source>
        <translatorcomment>ISO 3166-1 SO, from iso-codes 4.15.0</translatorcomment>
        <translation>ソマリア連邦共和国</translation>
    </message>
    <message>
        <source>Republic of Suriname</source>
        <translatorcomment>ISO 3166-1 SR, from iso-codes 4.15.0</translatorcomment>
        <translation>スリナム共和国</translation>
    </message>
    <message>
        <source>Syrian Arab Republic</source>
        <translatorcomment>ISO 3166-1 SY, from iso-codes 4.15.0</translatorcomment>
        <translation>シリア・アラブ共和国</translation>
    </message>
    <message>
        <source>Eswatini</source>
        <translation>エスワティニ</translation>
    </message>
    <message>
        <source>Kingdom of Eswatini</source>
        <translation>エスワティニ王国</translation>
    </message>
    <message>
        <source>Republic of Chad</source>
        <translatorcomment>ISO 3166-1 TD, from iso-codes 4.15.0</translatorcomment>
        <translation>チャド共和国</translation>
    </message>
    <message>
        <source>Togolese Republic</source>
        <translatorcomment>ISO 3166-1 TG, from iso-codes 4.15.0</translatorcomment>
        <translation>トーゴ共和国</translation>
    </message>
    <message>
        <source>Kingdom of Thailand</source>
        <translatorcomment>ISO 3166-1 TH, from iso-codes 4.15.0</translatorcomment>
        <translation>タイ王国</translation>
    </message>
    <message>
        <source>Republic of Tajikistan</source>
        <translatorcomment>ISO 3166-1 TJ, from iso-codes 4.15.0</translatorcomment>
        <translation>タジキスタン共和国</translation>
    </message>
    <message>
        <source>Timor-Leste</source>
        <translatorcomment>ISO 3166-1 TL, from iso-codes 4.15.0</translatorcomment>
        <translation>東ティモール</translation>
    </message>
    <message>
        <source>Democratic Republic of Timor-Leste</source>
        <translatorcomment>ISO 3166-1 TL, from iso-codes 4.15.0</translatorcomment>
        <translation>東ティモール民主共和国</translation>
    </message>
    <message>
        <source>Republic of Tunisia</source>
        <translatorcomment>ISO 3166-1 TN, from iso-codes 4.15.0</translatorcomment>
        <translation>チュニジア共和国</translation>
    </message>
    <message>
        <source>Tonga</source>
        <translatorcomment>ISO 3166-1 TO, from iso-codes 4.15.0</translatorcomment>
        <translation>トンガ</translation>
    </message>
    <message>
        <source>Kingdom of Tonga</source>
        <translatorcomment>ISO 3166-1 TO, from iso-codes 4.15.0</translatorcomment>
        <translation>トンガ王国</translation>
    </message>
    <message>
        <source>Türkiye</source>
        <translation>トルコ</translation>
    </message>
    <message>
        <source>Republic of Türkiye</source>
        <translation>トルコ共和国</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translatorcomment>ISO 3166-1 TT, from iso-codes 4.15.0</translatorcomment>
        <translation>トリニダード・トバゴ</translation>
    </message>
    <message>
        <source>Republic of Trinidad and Tobago</source>
        <translatorcomment>ISO 3166-1 TT, from iso-codes 4.15.0</translatorcomment>
        <translation>トリニダード・トバゴ共和国</translation>
    </message>
    <message>
        <source>Taiwan, Province of China</source>
        <translatorcomment>ISO 3166-1 TW, from iso-codes 4.15.0</translatorcomment>
        <translation>中国領・台湾</translation>
    </message>
    <message>
        <source>Tanzania, United Republic of</source>
        <translatorcomment>ISO 3166-1 TZ, from iso-codes 4.15.0</translatorcomment>
        <translation>タニザニア連合共和国</translation>
    </message>
    <message>
        <source>United Republic of Tanzania</source>
        <translatorcomment>ISO 3166-1 TZ, from iso-codes 4.15.0</translatorcomment>
        <translation>タンザニア連合共和国</translation>
    </message>
    <message>
        <source>Republic of Uganda</source>
        <translatorcomment>ISO 3166-1 UG, from iso-codes 4.15.0</translatorcomment>
        <translation>ウガンダ共和国</translation>
    </message>
    <message>
        <source>United States</source>
        <translatorcomment>ISO 3166-1 US, from iso-codes 4.15.0</translatorcomment>
        <translation>米国</translation>
    </message>
    <message>
        <source>Eastern Republic of Uruguay</source>
        <translatorcomment>ISO 3166-1 UY, from iso-codes 4.15.0</translatorcomment>
        <translation>ウルグアイ東方共和国</translation>
    </message>
    <message>
        <source>Republic of Uzbekistan</source>
        <translatorcomment>ISO 3166-1 UZ, from iso-codes 4.15.0</translatorcomment>
        <translation>ウズベキスタン共和国</translation>
    </message>
    <message>
        <source>Holy See (Vatican City State)</source>
        <translatorcomment>ISO 3166-1 VA, from iso-codes 4.15.0</translatorcomment>
        <translation>聖庁 (バチカン市国)</translation>
    </message>
    <message>
        <source>Saint Vincent and the Grenadines</source>
        <translatorcomment>ISO 3166-1 VC, from iso-codes 4.15.0</translatorcomment>
        <translation>セントビンセント及びグレナディーン諸島</translation>
    </message>
    <message>
        <source>Venezuela, Bolivarian Republic of</source>
        <translatorcomment>ISO 3166-1 VE, from iso-codes 4.15.0</translatorcomment>
        <translation>ベネズエラ・ボリバル共和国</translation>
    </message>
    <message>
        <source>Bolivarian Republic of Venezuela</source>
        <translatorcomment>ISO 3166-1 VE, from iso-codes 4.15.0</translatorcomment>
        <translation>ベネズエラ・ボリバル共和国</translation>
    </message>
    <message>
        <source>Virgin Islands, British</source>
        <translatorcomment>ISO 3166-1 VG, from iso-codes 4.15.0</translatorcomment>
        <translation>英領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Virgin Islands, U.S.</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>米領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Virgin Islands of the United States</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>米領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Viet Nam</source>
        <translatorcomment>ISO 3166-1 VN, from iso-codes 4.15.0</translatorcomment>
        <translation>ベトナム</translation>
    </message>
    <message>
        <source>Socialist Republic of Viet Nam</source>
        <translatorcomment>ISO 3166-1 VN, from iso-codes 4.15.0</translatorcomment>
        <translation>ベトナム社会主義共和国</translation>
    </message>
    <message>
        <source>Republic of Vanuatu</source>
        <translatorcomment>ISO 3166-1 VU, from iso-codes 4.15.0</translatorcomment>
        <translation>バヌアツ共和国</translation>
    </message>
    <message>
        <source>Republic of Yemen</source>
        <translatorcomment>ISO 3166-1 YE, from iso-codes 4.15.0</translatorcomment>
        <translation>イエメン共和国</translation>
    </message>
    <message>
        <source>Mayotte</source>
        <translatorcomment>ISO 3166-1 YT, from iso-codes 4.15.0</translatorcomment>
        <translation>マヨット</translation>
    </message>
    <message>
        <source>Yugoslavia, (Socialist) Federal Republic of</source>
        <translation>ユーゴスラビア社会主義連邦共和国</translation>
    </message>
    <message>
        <source>Republic of South Africa</source>
        <translatorcomment>ISO 3166-1 ZA, from iso-codes 4.15.0</translatorcomment>
        <translation>南アフリカ共和国</translation>
    </message>
    <message>
        <source>Republic of Zambia</source>
        <translatorcomment>ISO 3166-1 ZM, from iso-codes 4.15.0</translatorcomment>
        <translation>ザンビア共和国</translation>
    </message>
    <message>
        <source>Republic of Zimbabwe</source>
        <translatorcomment>ISO 3166-1 ZW, from iso-codes 4.15.0</translatorcomment>
        <translation>ジンバブエ共和国</translation>
    </message>
</context>
<context>
    <name>Other</name>
    <message>
        <source></source>
        <comment>country names The names by which readers of your language know a country or territory, separated by &quot;|&quot;, for typing into the dialer&apos;s lists: a name in your list or the English one is found anyway, so give the others people use (&quot;Holland&quot; for the Netherlands, short forms, older names). The English begins with the list&apos;s own name. Leave a translation empty where there are no other names; an empty translation adds none.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Other country names</name>
    <message>
        <source>Afghanistan</source>
        <translation></translation>
    </message>
    <message>
        <source>Albania</source>
        <translation></translation>
    </message>
    <message>
        <source>Algeria</source>
        <translation></translation>
    </message>
    <message>
        <source>American Samoa</source>
        <translation>アメリカ領サモア</translation>
    </message>
    <message>
        <source>Andorra</source>
        <translation></translation>
    </message>
    <message>
        <source>Angola</source>
        <translation></translation>
    </message>
    <message>
        <source>Anguilla</source>
        <translation>アンギラ</translation>
    </message>
    <message>
        <source>Antigua|Antigua and Barbuda</source>
        <translation></translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation></translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation></translation>
    </message>
    <message>
        <source>Aruba</source>
        <translation></translation>
    </message>
    <message>
        <source>Ascension Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>豪州</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation></translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translation></translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translation></translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation></translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translation></translation>
    </message>
    <message>
        <source>Barbados</source>
        <translation></translation>
    </message>
    <message>
        <source>Barbuda|Antigua and Barbuda</source>
        <translation></translation>
    </message>
    <message>
        <source>Belarus</source>
        <translation>白ロシア</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation></translation>
    </message>
    <message>
        <source>Belize</source>
        <translation></translation>
    </message>
    <message>
        <source>Benin</source>
        <translation></translation>
    </message>
    <message>
        <source>Bermuda</source>
        <translation></translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translation></translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation></translation>
    </message>
    <message>
        <source>Bosnia &amp; Herzegovina</source>
        <translation></translation>
    </message>
    <message>
        <source>Botswana</source>
        <translation></translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation></translation>
    </message>
    <message>
        <source>British Virgin Islands|BVI</source>
        <translation>英領バージン諸島|イギリス領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Brunei</source>
        <translation></translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation></translation>
    </message>
    <message>
        <source>Burkina Faso</source>
        <translation></translation>
    </message>
    <message>
        <source>Burundi</source>
        <translation></translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translation></translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation></translation>
    </message>
    <message>
        <source>CapeVerde Islands|Cape Verde</source>
        <translation>カーボベルデ</translation>
    </message>
    <message>
        <source>Cayman Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Central African Republic</source>
        <translation></translation>
    </message>
    <message>
        <source>Chad</source>
        <translation></translation>
    </message>
    <message>
        <source>Chatham Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Chile</source>
        <translation></translation>
    </message>
    <message>
        <source>China</source>
        <translation></translation>
    </message>
    <message>
        <source>Christmas Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Cocos-Keeling Islands|Cocos Islands|Keeling Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation></translation>
    </message>
    <message>
        <source>Comoros</source>
        <translation></translation>
    </message>
    <message>
        <source>Congo|Republic of the Congo|Congo-Brazzaville</source>
        <translation>コンゴ共和国|コンゴ・ブラザビル</translation>
    </message>
    <message>
        <source>Congo (Zaire)|DR Congo|DRC|Democratic Republic of the Congo|Congo-Kinshasa</source>
        <translation>ザイール|コンゴ・キンシャサ</translation>
    </message>
    <message>
        <source>Cook Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation></translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation></translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation></translation>
    </message>
    <message>
        <source>Curaçao</source>
        <translation></translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translation></translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>チェコ共和国</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation></translation>
    </message>
    <message>
        <source>Diego Garcia</source>
        <translation></translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation></translation>
    </message>
    <message>
        <source>Dominica</source>
        <translation></translation>
    </message>
    <message>
        <source>Dominican Republic</source>
        <translation></translation>
    </message>
    <message>
        <source>East Timor</source>
        <translation></translation>
    </message>
    <message>
        <source>Easter Island|Rapa Nui</source>
        <translation></translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation></translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation></translation>
    </message>
    <message>
        <source>Equatorial Guinea</source>
        <translation></translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translation></translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation></translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translation></translation>
    </message>
    <message>
        <source>Faeroe Islands|Faroes</source>
        <translation></translation>
    </message>
    <message>
        <source>Falkland Islands|Falklands</source>
        <translation></translation>
    </message>
    <message>
        <source>Fiji Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Finland</source>
        <translation></translation>
    </message>
    <message>
        <source>France</source>
        <translation></translation>
    </message>
    <message>
        <source>French Antilles</source>
        <translation>フランス領アンティル</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translation>フランス領ギアナ</translation>
    </message>
    <message>
        <source>French Polynesia</source>
        <translation>フランス領ポリネシア</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation></translation>
    </message>
    <message>
        <source>Gambia</source>
        <translation></translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>グルジア</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation></translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation></translation>
    </message>
    <message>
        <source>Gibraltar</source>
        <translation></translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>ギリシア</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation></translation>
    </message>
    <message>
        <source>Grenada</source>
        <translation></translation>
    </message>
    <message>
        <source>Guadeloupe</source>
        <translation></translation>
    </message>
    <message>
        <source>Guam</source>
        <translation></translation>
    </message>
    <message>
        <source>Guantanamo Bay</source>
        <translation></translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translation></translation>
    </message>
    <message>
        <source>Guinea-Bissau</source>
        <translation></translation>
    </message>
    <message>
        <source>Guinea</source>
        <translation></translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation></translation>
    </message>
    <message>
        <source>Haiti</source>
        <translation></translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation></translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation></translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation></translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation></translation>
    </message>
    <message>
        <source>India</source>
        <translation></translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation></translation>
    </message>
    <message>
        <source>Iran</source>
        <translation></translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation></translation>
    </message>
    <message>
        <source>Ireland|Republic of Ireland|Eire</source>
        <translation></translation>
    </message>
    <message>
        <source>Israel</source>
        <translation></translation>
    </message>
    <message>
        <source>Italy</source>
        <translation></translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation>象牙海岸</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>ニッポン|ニホン</translation>
    </message>
    <message>
        <source>Jordan</source>
        <translation></translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translation></translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation></translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translation></translation>
    </message>
    <message>
        <source>Korea (North)|DPRK</source>
        <translation>北朝鮮</translation>
    </message>
    <message>
        <source>Korea (South)|Republic of Korea</source>
        <translation></translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation></translation>
    </message>
    <message>
        <source>Kyrgyz Republic</source>
        <translation>キルギス共和国</translation>
    </message>
    <message>
        <source>Laos</source>
        <translation></translation>
    </message>
    <message>
        <source>Latvia</source>
        <translation></translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translation></translation>
    </message>
    <message>
        <source>Lesotho</source>
        <translation></translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation></translation>
    </message>
    <message>
        <source>Libya</source>
        <translation></translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translation></translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translation></translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation></translation>
    </message>
    <message>
        <source>Macau</source>
        <translation></translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation>マケドニア</translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translation></translation>
    </message>
    <message>
        <source>Malawi</source>
        <translation></translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation></translation>
    </message>
    <message>
        <source>Maldives</source>
        <translation></translation>
    </message>
    <message>
        <source>Mali Republic</source>
        <translation></translation>
    </message>
    <message>
        <source>Malta</source>
        <translation></translation>
    </message>
    <message>
        <source>Marshall Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Martinique</source>
        <translation></translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translation></translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translation></translation>
    </message>
    <message>
        <source>Mayotte Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation></translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translation></translation>
    </message>
    <message>
        <source>Midway Island</source>
        <translation>ミッドウェー島</translation>
    </message>
    <message>
        <source>Moldova</source>
        <translation></translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation></translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translation></translation>
    </message>
    <message>
        <source>Montserrat</source>
        <translation></translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation></translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translation></translation>
    </message>
    <message>
        <source>Myanmar|Burma</source>
        <translation>ビルマ</translation>
    </message>
    <message>
        <source>Namibia</source>
        <translation></translation>
    </message>
    <message>
        <source>Nauru</source>
        <translation></translation>
    </message>
    <message>
        <source>Nepal</source>
        <translation></translation>
    </message>
    <message>
        <source>Netherlands|Holland|The Netherlands</source>
        <translation>ホラント|ネーデルラント</translation>
    </message>
    <message>
        <source>Netherlands Antilles</source>
        <translation></translation>
    </message>
    <message>
        <source>Nevis</source>
        <translation></translation>
    </message>
    <message>
        <source>New Caledonia</source>
        <translation></translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation></translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translation></translation>
    </message>
    <message>
        <source>Niger</source>
        <translation></translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation></translation>
    </message>
    <message>
        <source>Niue</source>
        <translation></translation>
    </message>
    <message>
        <source>Norfolk Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Northern Marianas Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Norway</source>
        <translation></translation>
    </message>
    <message>
        <source>Oman</source>
        <translation></translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation></translation>
    </message>
    <message>
        <source>Palau</source>
        <translation></translation>
    </message>
    <message>
        <source>Palestine</source>
        <translation></translation>
    </message>
    <message>
        <source>Panama</source>
        <translation></translation>
    </message>
    <message>
        <source>Papua New Guinea</source>
        <translation></translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation></translation>
    </message>
    <message>
        <source>Peru</source>
        <translation></translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation></translation>
    </message>
    <message>
        <source>Poland</source>
        <translation></translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation></translation>
    </message>
    <message>
        <source>Puerto Rico</source>
        <translation></translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation></translation>
    </message>
    <message>
        <source>Réunion Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Romania</source>
        <translation></translation>
    </message>
    <message>
        <source>Russia</source>
        <translation></translation>
    </message>
    <message>
        <source>Rwanda</source>
        <translation></translation>
    </message>
    <message>
        <source>St.Helena|Saint Helena|St. Helena|St Helena</source>
        <translation></translation>
    </message>
    <message>
        <source>St.Kitts/Nevis|St. Kitts and Nevis|St Kitts</source>
        <translation></translation>
    </message>
    <message>
        <source>St.Lucia|St. Lucia|St Lucia</source>
        <translation></translation>
    </message>
    <message>
        <source>St.Pierre &amp; Miquelon|St. Pierre and Miquelon</source>
        <translation></translation>
    </message>
    <message>
        <source>St.Vincent &amp; Grenadines|St. Vincent and the Grenadines|St Vincent</source>
        <translation></translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation></translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation></translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation></translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation></translation>
    </message>
    <message>
        <source>Sierra Leone</source>
        <translation></translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation></translation>
    </message>
    <message>
        <source>Slovak Republic</source>
        <translation>スロヴァキア</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation></translation>
    </message>
    <message>
        <source>Somalia</source>
        <translation></translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation></translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translation></translation>
    </message>
    <message>
        <source>Sudan</source>
        <translation></translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation></translation>
    </message>
    <message>
        <source>Swaziland</source>
        <translation>スワジランド</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation></translation>
    </message>
    <message>
        <source>Syria</source>
        <translation></translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation></translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translation></translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translation></translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation></translation>
    </message>
    <message>
        <source>Togo</source>
        <translation></translation>
    </message>
    <message>
        <source>Tokelau</source>
        <translation></translation>
    </message>
    <message>
        <source>Tonga Islands</source>
        <translation></translation>
    </message>
    <message>
        <source>Trinidad &amp; Tobago</source>
        <translation></translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>テュルキエ</translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translation></translation>
    </message>
    <message>
        <source>Tuvalu</source>
        <translation></translation>
    </message>
    <message>
        <source>Uganda</source>
        <translation></translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation></translation>
    </message>
    <message>
        <source>United Arab Emirates|UAE|Emirates</source>
        <translation>UAE</translation>
    </message>
    <message>
        <source>United Kingdom|UK|Britain|Great Britain|England|Scotland|Wales|Northern Ireland</source>
        <translation>イギリス|グレートブリテン|イングランド|スコットランド|ウェールズ|北アイルランド</translation>
    </message>
    <message>
        <source>United States of America|USA|US|America|United States|U.S.A.</source>
        <translation>アメリカ|アメリカ合衆国|合衆国</translation>
    </message>
    <message>
        <source>USVirgin Islands|US Virgin Islands|U.S. Virgin Islands</source>
        <translation>米領バージン諸島|アメリカ領ヴァージン諸島</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation></translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translation></translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translation></translation>
    </message>
    <message>
        <source>Vatican City|Vatican</source>
        <translation>バチカン市国|ローマ教皇庁</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation></translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>ヴェトナム</translation>
    </message>
    <message>
        <source>Wake Island</source>
        <translation></translation>
    </message>
    <message>
        <source>Yemen</source>
        <translation></translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translation></translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation></translation>
    </message>
    <message>
        <source>Zanzibar</source>
        <translation></translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>PlimMain</name>
    <message>
        <source>Zendrel</source>
        <translation>Zendrel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Unit Converter</source>
        <translation>単位換算</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>国番号</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Wave File Analyzer</source>
        <translation>WAVファイル解析</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>    Kelvorn R&amp;D presents.... </source>
        <extracomment>The greeting under the menu; the blanks in front place it as designed.</extracomment>
        <translation>    Kelvorn R&amp;D 提供.... </translation>
    </message>
</context>
<context>
    <name>UConv</name>
    <message>
        <source>Unit Converter</source>
        <translation>単位換算</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A button&apos;s spoken name: %1 its caption (Convert, Clear), %2 the category it acts on.</extracomment>
        <translation>%2を%1</translation>
    </message>
    <message>
        <source>Length/Distance</source>
        <translation>長さ・距離</translation>
    </message>
    <message>
        <source>length/distance</source>
        <translation>長さ・距離</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面積</translation>
    </message>
    <message>
        <source>area</source>
        <translation>面積</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体積</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>体積</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>重さ</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>重さ</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>ヤード</translation>
    </message>
    <message>
        <source>mile</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>         {feet           +          inch}</source>
        <extracomment>One caption over two boxes, &quot;feet&quot; over the left one and &quot;inch&quot; over the right; the blanks place the words over their boxes.</extracomment>
        <translation>       {フィート        +     インチ}</translation>
    </message>
    <message>
        <source>feet + inch, feet</source>
        <translation>フィート＋インチ、フィート</translation>
    </message>
    <message>
        <source>feet + inch, inch</source>
        <translation>フィート＋インチ、インチ</translation>
    </message>
    <message>
        <source>sq. m</source>
        <extracomment>Square metre.</extracomment>
        <translation>平方m</translation>
    </message>
    <message>
        <source>sq. km</source>
        <extracomment>Square kilometre.</extracomment>
        <translation>平方km</translation>
    </message>
    <message>
        <source>Tsubo</source>
        <extracomment>Traditional Japanese unit of area (坪).</extracomment>
        <translation>坪</translation>
    </message>
    <message>
        <source>sq. ft</source>
        <extracomment>Square foot.</extracomment>
        <translation>平方ft</translation>
    </message>
    <message>
        <source>sq. yd</source>
        <extracomment>Square yard.</extracomment>
        <translation>平方yd</translation>
    </message>
    <message>
        <source>ha</source>
        <extracomment>Hectare.</extracomment>
        <translation>ha</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>エーカー</translation>
    </message>
    <message>
        <source>litter</source>
        <extracomment>The litre; spelt &quot;litter&quot; as designed.</extracomment>
        <translation>リットル</translation>
    </message>
    <message>
        <source>gallon</source>
        <translation>ガロン</translation>
    </message>
    <message>
        <source>quart</source>
        <translation>クォート</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>パイント</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>液量オンス</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>Traditional Japanese unit of volume (合), not the verb.</extracomment>
        <translation>合</translation>
    </message>
    <message>
        <source>Sho</source>
        <extracomment>Traditional Japanese unit of volume (升).</extracomment>
        <translation>升</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>oz</source>
        <extracomment>Ounce (weight).</extracomment>
        <translation>オンス</translation>
    </message>
    <message>
        <source>lb</source>
        <extracomment>Pound (weight).</extracomment>
        <translation>ポンド</translation>
    </message>
    <message>
        <source>Degrees of Celcius</source>
        <extracomment>Spelt &quot;Celcius&quot; as designed.</extracomment>
        <translation>摂氏温度</translation>
    </message>
    <message>
        <source>Degrees of Fahrenheit</source>
        <translation>華氏温度</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
</context>
<context>
    <name>UcHelp</name>
    <message>
        <source>Utility function:
 When &lt;Convert&gt; is clicked after typing one or two numerical 
value(s) in window(s), numbers converted to each unit are 
generated and displayed in all windows at the same time.

 Five categories such as Length/Distance (1D), Area (2D), Volume 
(3D), Weight, and Temperature are independent each other.

 In Length/Distance, {feet + inch} allows to convert human beings&apos; 
height to and from &lt;cm&gt; practically.


Examples:
(A) Length/Distance
  Input 180 in window of &lt;cm&gt; and click &lt;Convert&gt;.

(B) Length/Distance
  Input 5 feet 11 inches to {feet + inch} and click &lt;Convert&gt;.
</source>
        <translation>機能:
 枠に数値を一つか二つ入力して &lt;変換&gt; を押すと、各単位に
換算した値がすべての枠に同時に表示されます。

 長さ・距離 (1次元)、面積 (2次元)、体積 (3次元)、重さ、
温度の五つの区分は、互いに独立しています。

 長さ・距離の {フィート + インチ} では、身長を &lt;cm&gt; と
の間で手軽に換算できます。


例:
(A) 長さ・距離
  &lt;cm&gt; の枠に 180 と入力し、&lt;変換&gt; を押します。

(B) 長さ・距離
  {フィート + インチ} に 5 フィート 11 インチと入力し、
  &lt;変換&gt; を押します。
</translation>
    </message>
</context>
<context>
    <name>UnitRelation</name>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>ヤード</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>ヤード</translation>
    </message>
    <message>
        <source>mile</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>sq. m</source>
        <translation>平方メートル</translation>
    </message>
    <message>
        <source>sq. km</source>
        <translation>平方キロメートル</translation>
    </message>
    <message>
        <source>tsubo</source>
        <translation>坪</translation>
    </message>
    <message>
        <source>sq. ft</source>
        <translation>平方フィート</translation>
    </message>
    <message>
        <source>sq. yd</source>
        <translation>平方ヤード</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ヘクタール</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>エーカー</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>エーカー</translation>
    </message>
    <message>
        <source>litre</source>
        <translation>リットル</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>リットル</translation>
    </message>
    <message>
        <source>gallon</source>
        <translation>ガロン</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>ガロン</translation>
    </message>
    <message>
        <source>quart</source>
        <translation>クォート</translation>
    </message>
    <message>
        <source>quarts</source>
        <translation>クォート</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>パイント</translation>
    </message>
    <message>
        <source>pints</source>
        <translation>パイント</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>液量オンス</translation>
    </message>
    <message>
        <source>fluid ounces</source>
        <translation>液量オンス</translation>
    </message>
    <message>
        <source>go</source>
        <translation>合</translation>
    </message>
    <message>
        <source>sho</source>
        <translation>升</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>オンス</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>ポンド</translation>
    </message>
    <message>
        <source>degrees Fahrenheit = degrees Celsius × %1 ÷ %2 + %3</source>
        <translation>華氏温度 = 摂氏温度 × %1 ÷ %2 + %3</translation>
    </message>
    <message>
        <source>degrees Celsius = (degrees Fahrenheit − %1) × %2 ÷ %3</source>
        <translation>摂氏温度 = (華氏温度 − %1) × %2 ÷ %3</translation>
    </message>
</context>
<context>
    <name>WavAnalMain</name>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source> KHz</source>
        <extracomment>Unit after the sampling frequency, with the blank before it; designed as &quot;KHz&quot;.</extracomment>
        <translation> kHz</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says for a value box that shows nothing yet.</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Wave File Analyzer</source>
        <translation>WAVファイル解析</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Header Information</source>
        <translation>ヘッダー情報</translation>
    </message>
    <message>
        <source>Sampling frequency</source>
        <translation>サンプリング周波数</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>量子化ビット数</translation>
    </message>
    <message>
        <source>Invalid wave file format</source>
        <translation>WAVファイルの形式が正しくありません</translation>
    </message>
</context>
</TS>
