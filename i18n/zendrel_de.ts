<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CcCode</name>
    <message>
        <source>International Telephone Country Code</source>
        <translation>Internationale Telefonvorwahlen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar item that opens the help at once; &quot;&amp;&quot; marks the access key.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Country code</source>
        <extracomment>Caption of the frame around the whole window: the telephone country code (81 for Japan) that the window composes.</extracomment>
        <translation>Ländervorwahl</translation>
    </message>
    <message>
        <source>Source country</source>
        <extracomment>Label above the list of the countries a call is dialled from (161 pixels wide).</extracomment>
        <translation>Ausgangsland</translation>
    </message>
    <message>
        <source>Select Source Country</source>
        <extracomment>Shown in the source list&apos;s field until a country is chosen.</extracomment>
        <translation>Ausgangsland wählen</translation>
    </message>
    <message>
        <source>Destination country</source>
        <extracomment>Label above the list of the countries a call goes to (161 pixels wide).</extracomment>
        <translation>Zielland</translation>
    </message>
    <message>
        <source>Select Destination Country</source>
        <extracomment>Shown in the destination list&apos;s field until a country is chosen.</extracomment>
        <translation>Zielland wählen</translation>
    </message>
    <message>
        <source>Dial this number first </source>
        <extracomment>Label above the composed digits (113 pixels wide); they are dialled before the area code. The English ends in a blank; a translation need not.</extracomment>
        <translation>Zuerst wählen</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Button that composes the digits to dial; only 49 pixels wide.</extracomment>
        <translation>Los</translation>
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
        <translation>Wählfolge einer internationalen Telefonnummer:
 Internationale Vorwahl      +        011-
 Ländervorwahl des Ziellands +        81-
 Präfix für Ferngespräche    +        (0)-
 Ortsnetzkennzahl            +        3-
 Vermittlungsstelle          +        3456-
 Teilnehmerrufnummer                  7890</translation>
    </message>
    <message>
        <source>Utility function:
 Source country code, destination country code,
 and domestic long distance code enclosed by
 parenthesis, 011-81-(0)- in the example above,
 are generated based upon both source and destination
 country information given.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two); break the lines to fit and indent them by one blank. &quot;Source country code&quot; is the international access code dialled in the source country, as in the first paragraph.</extracomment>
        <translation>Funktion:
 Die internationale Vorwahl, die Ländervorwahl und
 das Präfix für Ferngespräche in Klammern, im
 Beispiel oben 011-81-(0)-, werden aus dem gewählten
 Ausgangs- und Zielland gebildet.</translation>
    </message>
    <message>
        <source>Examples:
(A) International call (from USA to Japan)
  Dial 011-81-3-3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>Beispiele:
(A) Auslandsgespräch (aus den USA nach Japan)
  Wählen Sie 011-81-3-3456-7890.</translation>
    </message>
    <message>
        <source>(B) Domestic long distance call (from outside of
  Tokyo, Japan to Tokyo, Japan)
  Dial 0-3-3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>(B) Inländisches Ferngespräch (von außerhalb Tokios
  nach Tokio)
  Wählen Sie 0-3-3456-7890.</translation>
    </message>
    <message>
        <source>(C) Domestic local call (within Tokyo)
  Dial 3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>(C) Ortsgespräch (innerhalb Tokios)
  Wählen Sie 3456-7890.</translation>
    </message>
    <message>
        <source>~ (tilde) denotes to wait until tone is returned.</source>
        <extracomment>Last line of the help, in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation>~ (Tilde) bedeutet: auf den Wählton warten.</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Afghanistan</source>
        <translatorcomment>ISO 3166-1 AF, from iso-codes 4.15.0</translatorcomment>
        <translation>Afghanistan</translation>
    </message>
    <message>
        <source>Albania</source>
        <translatorcomment>ISO 3166-1 AL, from iso-codes 4.15.0</translatorcomment>
        <translation>Albanien</translation>
    </message>
    <message>
        <source>Algeria</source>
        <translatorcomment>ISO 3166-1 DZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Algerien</translation>
    </message>
    <message>
        <source>American Samoa</source>
        <translatorcomment>ISO 3166-1 AS, from iso-codes 4.15.0</translatorcomment>
        <translation>Amerikanisch-Samoa</translation>
    </message>
    <message>
        <source>Andorra</source>
        <translatorcomment>ISO 3166-1 AD, from iso-codes 4.15.0</translatorcomment>
        <translation>Andorra</translation>
    </message>
    <message>
        <source>Angola</source>
        <translatorcomment>ISO 3166-1 AO, from iso-codes 4.15.0</translatorcomment>
        <translation>Angola</translation>
    </message>
    <message>
        <source>Anguilla</source>
        <translatorcomment>ISO 3166-1 AI, from iso-codes 4.15.0</translatorcomment>
        <translation>Anguilla</translation>
    </message>
    <message>
        <source>Antigua</source>
        <translation>Antigua</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translatorcomment>ISO 3166-1 AR, from iso-codes 4.15.0</translatorcomment>
        <translation>Argentinien</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translatorcomment>ISO 3166-1 AM, from iso-codes 4.15.0</translatorcomment>
        <translation>Armenien</translation>
    </message>
    <message>
        <source>Aruba</source>
        <translatorcomment>ISO 3166-1 AW, from iso-codes 4.15.0</translatorcomment>
        <translation>Aruba</translation>
    </message>
    <message>
        <source>Ascension Island</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <source>Australia (Voice)</source>
        <extracomment>Australia&apos;s access code for voice calls.</extracomment>
        <translation>Australien (Sprache)</translation>
    </message>
    <message>
        <source>Australia (Fax)</source>
        <translation>Australien (Fax)</translation>
    </message>
    <message>
        <source>Australia (Bulk)</source>
        <extracomment>Australia&apos;s access code for bulk calls.</extracomment>
        <translation>Australien (Großkunden)</translation>
    </message>
    <message>
        <source>Austria</source>
        <translatorcomment>ISO 3166-1 AT, from iso-codes 4.15.0</translatorcomment>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translatorcomment>ISO 3166-1 AZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Aserbaidschan</translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translatorcomment>ISO 3166-1 BS, from iso-codes 4.15.0</translatorcomment>
        <translation>Bahamas</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translatorcomment>ISO 3166-1 BH, from iso-codes 4.15.0</translatorcomment>
        <translation>Bahrain</translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translatorcomment>ISO 3166-1 BD, from iso-codes 4.15.0</translatorcomment>
        <translation>Bangladesch</translation>
    </message>
    <message>
        <source>Barbados</source>
        <translatorcomment>ISO 3166-1 BB, from iso-codes 4.15.0</translatorcomment>
        <translation>Barbados</translation>
    </message>
    <message>
        <source>Barbuda</source>
        <translation>Barbuda</translation>
    </message>
    <message>
        <source>Belarus</source>
        <translatorcomment>ISO 3166-1 BY, from iso-codes 4.15.0</translatorcomment>
        <translation>Belarus</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translatorcomment>ISO 3166-1 BE, from iso-codes 4.15.0</translatorcomment>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Belize</source>
        <translatorcomment>ISO 3166-1 BZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Belize</translation>
    </message>
    <message>
        <source>Benin</source>
        <translatorcomment>ISO 3166-1 BJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Benin</translation>
    </message>
    <message>
        <source>Bermuda</source>
        <translatorcomment>ISO 3166-1 BM, from iso-codes 4.15.0</translatorcomment>
        <translation>Bermuda</translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translatorcomment>ISO 3166-1 BT, from iso-codes 4.15.0</translatorcomment>
        <translation>Bhutan</translation>
    </message>
    <message>
        <source>Bolivia (Entel)</source>
        <extracomment>A carrier&apos;s access code; carriers keep their own names.</extracomment>
        <translation>Bolivien (Entel)</translation>
    </message>
    <message>
        <source>Bolivia (AES Communications)</source>
        <translation>Bolivien (AES Communications)</translation>
    </message>
    <message>
        <source>Bolivia (Teledata)</source>
        <translation>Bolivien (Teledata)</translation>
    </message>
    <message>
        <source>Bolivia (Boliviatel)</source>
        <translation>Bolivien (Boliviatel)</translation>
    </message>
    <message>
        <source>Bosnia &amp; Herzegovina</source>
        <translatorcomment>ISO 3166-1 BA, from iso-codes 4.15.0</translatorcomment>
        <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
        <source>Botswana</source>
        <translatorcomment>ISO 3166-1 BW, from iso-codes 4.15.0</translatorcomment>
        <translation>Botsuana</translation>
    </message>
    <message>
        <source>Brazil (Embratel)</source>
        <translation>Brasilien (Embratel)</translation>
    </message>
    <message>
        <source>Brazil (Intelig)</source>
        <translation>Brasilien (Intelig)</translation>
    </message>
    <message>
        <source>Brazil (Mobile phones)</source>
        <translation>Brasilien (Mobiltelefone)</translation>
    </message>
    <message>
        <source>British Virgin Islands</source>
        <translatorcomment>ISO 3166-1 VG, from iso-codes 4.15.0</translatorcomment>
        <translation>Britische Jungferninseln</translation>
    </message>
    <message>
        <source>Brunei</source>
        <translatorcomment>ISO 3166-1 BN, from iso-codes 4.15.0</translatorcomment>
        <translation>Brunei Darussalam</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translatorcomment>ISO 3166-1 BG, from iso-codes 4.15.0</translatorcomment>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <source>Burkina Faso</source>
        <translatorcomment>ISO 3166-1 BF, from iso-codes 4.15.0</translatorcomment>
        <translation>Burkina Faso</translation>
    </message>
    <message>
        <source>Burundi</source>
        <translatorcomment>ISO 3166-1 BI, from iso-codes 4.15.0</translatorcomment>
        <translation>Burundi</translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translatorcomment>ISO 3166-1 KH, from iso-codes 4.15.0</translatorcomment>
        <translation>Kambodscha</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translatorcomment>ISO 3166-1 CM, from iso-codes 4.15.0</translatorcomment>
        <translation>Kamerun</translation>
    </message>
    <message>
        <source>Canada</source>
        <translatorcomment>ISO 3166-1 CA, from iso-codes 4.15.0</translatorcomment>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Cape Verde Islands</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <source>Cayman Islands</source>
        <translatorcomment>ISO 3166-1 KY, from iso-codes 4.15.0</translatorcomment>
        <translation>Cayman-Inseln</translation>
    </message>
    <message>
        <source>Central African Republic</source>
        <translatorcomment>ISO 3166-1 CF, from iso-codes 4.15.0</translatorcomment>
        <translation>Zentralafrikanische Republik</translation>
    </message>
    <message>
        <source>Chad</source>
        <translatorcomment>ISO 3166-1 TD, from iso-codes 4.15.0</translatorcomment>
        <translation>Tschad</translation>
    </message>
    <message>
        <source>Chatham Island</source>
        <translation>Chathaminsel</translation>
    </message>
    <message>
        <source>Chile</source>
        <translatorcomment>ISO 3166-1 CL, from iso-codes 4.15.0</translatorcomment>
        <translation>Chile</translation>
    </message>
    <message>
        <source>China</source>
        <translatorcomment>ISO 3166-1 CN, from iso-codes 4.15.0</translatorcomment>
        <translation>China</translation>
    </message>
    <message>
        <source>Christmas Island</source>
        <translatorcomment>ISO 3166-1 CX, from iso-codes 4.15.0</translatorcomment>
        <translation>Weihnachtsinseln</translation>
    </message>
    <message>
        <source>Cocos-Keeling Islands</source>
        <translatorcomment>ISO 3166-1 CC, from iso-codes 4.15.0</translatorcomment>
        <translation>Kokos-(Keeling-)Inseln</translation>
    </message>
    <message>
        <source>Colombia (Orbitel)</source>
        <translation>Kolumbien (Orbitel)</translation>
    </message>
    <message>
        <source>Colombia (ETB/Mundo)</source>
        <translation>Kolumbien (ETB/Mundo)</translation>
    </message>
    <message>
        <source>Colombia (Telecom)</source>
        <translation>Kolumbien (Telecom)</translation>
    </message>
    <message>
        <source>Comoros</source>
        <translatorcomment>ISO 3166-1 KM, from iso-codes 4.15.0</translatorcomment>
        <translation>Komoren</translation>
    </message>
    <message>
        <source>Congo</source>
        <translatorcomment>ISO 3166-1 CG, from iso-codes 4.15.0</translatorcomment>
        <translation>Kongo</translation>
    </message>
    <message>
        <source>Congo (Zaire)</source>
        <translatorcomment>ISO 3166-1 CD, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Republik Kongo</translation>
    </message>
    <message>
        <source>Cook Islands</source>
        <translatorcomment>ISO 3166-1 CK, from iso-codes 4.15.0</translatorcomment>
        <translation>Cookinseln</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translatorcomment>ISO 3166-1 CR, from iso-codes 4.15.0</translatorcomment>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translatorcomment>ISO 3166-1 HR, from iso-codes 4.15.0</translatorcomment>
        <translation>Kroatien</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translatorcomment>ISO 3166-1 CU, from iso-codes 4.15.0</translatorcomment>
        <translation>Kuba</translation>
    </message>
    <message>
        <source>Curaçao</source>
        <translatorcomment>ISO 3166-1 CW, from iso-codes 4.15.0</translatorcomment>
        <translation>Curaçao</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translatorcomment>ISO 3166-1 CY, from iso-codes 4.15.0</translatorcomment>
        <translation>Zypern</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translatorcomment>ISO 3166-1 CZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Czech Republic ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>Tschechien ()</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translatorcomment>ISO 3166-1 DK, from iso-codes 4.15.0</translatorcomment>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Diego Garcia</source>
        <translation>Diego Garcia</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translatorcomment>ISO 3166-1 DJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Dschibuti</translation>
    </message>
    <message>
        <source>Dominica</source>
        <translatorcomment>ISO 3166-1 DM, from iso-codes 4.15.0</translatorcomment>
        <translation>Dominica</translation>
    </message>
    <message>
        <source>Dominican Republic</source>
        <translatorcomment>ISO 3166-1 DO, from iso-codes 4.15.0</translatorcomment>
        <translation>Dominikanische Republik</translation>
    </message>
    <message>
        <source>East Timor</source>
        <translatorcomment>ISO 3166-1 TL, from iso-codes 4.15.0</translatorcomment>
        <translation>Timor-Leste</translation>
    </message>
    <message>
        <source>Easter Island</source>
        <translation>Osterinsel</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translatorcomment>ISO 3166-1 EC, from iso-codes 4.15.0</translatorcomment>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translatorcomment>ISO 3166-1 EG, from iso-codes 4.15.0</translatorcomment>
        <translation>Ägypten</translation>
    </message>
    <message>
        <source>Equatorial Guinea</source>
        <translatorcomment>ISO 3166-1 GQ, from iso-codes 4.15.0</translatorcomment>
        <translation>Äquatorialguinea</translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translatorcomment>ISO 3166-1 ER, from iso-codes 4.15.0</translatorcomment>
        <translation>Eritrea</translation>
    </message>
    <message>
        <source>Estonia</source>
        <translatorcomment>ISO 3166-1 EE, from iso-codes 4.15.0</translatorcomment>
        <translation>Estland</translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translatorcomment>ISO 3166-1 ET, from iso-codes 4.15.0</translatorcomment>
        <translation>Äthiopien</translation>
    </message>
    <message>
        <source>Faeroe Islands</source>
        <translatorcomment>ISO 3166-1 FO, from iso-codes 4.15.0</translatorcomment>
        <translation>Färöer-Inseln</translation>
    </message>
    <message>
        <source>Falkland Islands</source>
        <translatorcomment>ISO 3166-1 FK, from iso-codes 4.15.0</translatorcomment>
        <translation>Falklandinseln (Malwinen)</translation>
    </message>
    <message>
        <source>Fiji Islands</source>
        <translatorcomment>ISO 3166-1 FJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Fidschi</translation>
    </message>
    <message>
        <source>Finland</source>
        <translatorcomment>ISO 3166-1 FI, from iso-codes 4.15.0</translatorcomment>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>Finland ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>Finnland ()</translation>
    </message>
    <message>
        <source>France (France Telecom)</source>
        <translation>Frankreich (France Telecom)</translation>
    </message>
    <message>
        <source>France (Tele 2)</source>
        <translation>Frankreich (Tele 2)</translation>
    </message>
    <message>
        <source>France (Omnicom)</source>
        <translation>Frankreich (Omnicom)</translation>
    </message>
    <message>
        <source>France (LE 7 Cegetel)</source>
        <translation>Frankreich (LE 7 Cegetel)</translation>
    </message>
    <message>
        <source>France (9 Telecom)</source>
        <translation>Frankreich (9 Telecom)</translation>
    </message>
    <message>
        <source>French Antilles</source>
        <translation>Französische Antillen</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translatorcomment>ISO 3166-1 GF, from iso-codes 4.15.0</translatorcomment>
        <translation>Französisch-Guyana</translation>
    </message>
    <message>
        <source>French Polynesia</source>
        <translatorcomment>ISO 3166-1 PF, from iso-codes 4.15.0</translatorcomment>
        <translation>Französisch-Polynesien</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translatorcomment>ISO 3166-1 GA, from iso-codes 4.15.0</translatorcomment>
        <translation>Gabun</translation>
    </message>
    <message>
        <source>Gambia</source>
        <translatorcomment>ISO 3166-1 GM, from iso-codes 4.15.0</translatorcomment>
        <translation>Gambia</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translatorcomment>ISO 3166-1 GE, from iso-codes 4.15.0</translatorcomment>
        <translation>Georgien</translation>
    </message>
    <message>
        <source>Germany</source>
        <translatorcomment>ISO 3166-1 DE, from iso-codes 4.15.0</translatorcomment>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translatorcomment>ISO 3166-1 GH, from iso-codes 4.15.0</translatorcomment>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Gibraltar</source>
        <translatorcomment>ISO 3166-1 GI, from iso-codes 4.15.0</translatorcomment>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <source>Greece</source>
        <translatorcomment>ISO 3166-1 GR, from iso-codes 4.15.0</translatorcomment>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translatorcomment>ISO 3166-1 GL, from iso-codes 4.15.0</translatorcomment>
        <translation>Grönland</translation>
    </message>
    <message>
        <source>Grenada</source>
        <translatorcomment>ISO 3166-1 GD, from iso-codes 4.15.0</translatorcomment>
        <translation>Grenada</translation>
    </message>
    <message>
        <source>Guadeloupe</source>
        <translatorcomment>ISO 3166-1 GP, from iso-codes 4.15.0</translatorcomment>
        <translation>Guadeloupe</translation>
    </message>
    <message>
        <source>Guam</source>
        <translatorcomment>ISO 3166-1 GU, from iso-codes 4.15.0</translatorcomment>
        <translation>Guam</translation>
    </message>
    <message>
        <source>Guantanamo Bay</source>
        <translation>Guantánamo-Bucht</translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translatorcomment>ISO 3166-1 GT, from iso-codes 4.15.0</translatorcomment>
        <translation>Guatemala</translation>
    </message>
    <message>
        <source>Guinea-Bissau</source>
        <translatorcomment>ISO 3166-1 GW, from iso-codes 4.15.0</translatorcomment>
        <translation>Guinea-Bissau</translation>
    </message>
    <message>
        <source>Guinea</source>
        <translatorcomment>ISO 3166-1 GN, from iso-codes 4.15.0</translatorcomment>
        <translation>Guinea</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translatorcomment>ISO 3166-1 GY, from iso-codes 4.15.0</translatorcomment>
        <translation>Guyana</translation>
    </message>
    <message>
        <source>Haiti</source>
        <translatorcomment>ISO 3166-1 HT, from iso-codes 4.15.0</translatorcomment>
        <translation>Haiti</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translatorcomment>ISO 3166-1 HN, from iso-codes 4.15.0</translatorcomment>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hong Kong (HKCWT)</source>
        <translation>Hongkong (HKCWT)</translation>
    </message>
    <message>
        <source>Hong Kong (New World)</source>
        <translation>Hongkong (New World)</translation>
    </message>
    <message>
        <source>Hong Kong (Hutchison)</source>
        <translation>Hongkong (Hutchison)</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translatorcomment>ISO 3166-1 HU, from iso-codes 4.15.0</translatorcomment>
        <translation>Ungarn</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translatorcomment>ISO 3166-1 IS, from iso-codes 4.15.0</translatorcomment>
        <translation>Island</translation>
    </message>
    <message>
        <source>India</source>
        <translatorcomment>ISO 3166-1 IN, from iso-codes 4.15.0</translatorcomment>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translatorcomment>ISO 3166-1 ID, from iso-codes 4.15.0</translatorcomment>
        <translation>Indonesien</translation>
    </message>
    <message>
        <source>Indonesia ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>Indonesien ()</translation>
    </message>
    <message>
        <source>Iran</source>
        <translatorcomment>ISO 3166-1 IR, from iso-codes 4.15.0</translatorcomment>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translatorcomment>ISO 3166-1 IQ, from iso-codes 4.15.0</translatorcomment>
        <translation>Irak</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translatorcomment>ISO 3166-1 IE, from iso-codes 4.15.0</translatorcomment>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Ireland (North)</source>
        <extracomment>Northern Ireland.</extracomment>
        <translation>Nordirland</translation>
    </message>
    <message>
        <source>Israel</source>
        <translatorcomment>ISO 3166-1 IL, from iso-codes 4.15.0</translatorcomment>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Israel (Golden Lines)</source>
        <translation>Israel (Golden Lines)</translation>
    </message>
    <message>
        <source>Israel (Barak)</source>
        <translation>Israel (Barak)</translation>
    </message>
    <message>
        <source>Israel (Bezeq)</source>
        <translation>Israel (Bezeq)</translation>
    </message>
    <message>
        <source>Italy</source>
        <translatorcomment>ISO 3166-1 IT, from iso-codes 4.15.0</translatorcomment>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translatorcomment>ISO 3166-1 CI, from iso-codes 4.15.0</translatorcomment>
        <translation>Côte d&apos;Ivoire</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translatorcomment>ISO 3166-1 JM, from iso-codes 4.15.0</translatorcomment>
        <translation>Jamaika</translation>
    </message>
    <message>
        <source>Japan (KDD)</source>
        <translation>Japan (KDD)</translation>
    </message>
    <message>
        <source>Japan (Myline/Myline Plus)</source>
        <translation>Japan (Myline/Myline Plus)</translation>
    </message>
    <message>
        <source>Japan (Cable &amp; Wireless IDC)</source>
        <translation>Japan (Cable &amp; Wireless IDC)</translation>
    </message>
    <message>
        <source>Japan (Japan Telecom)</source>
        <translation>Japan (Japan Telecom)</translation>
    </message>
    <message>
        <source>Jordan</source>
        <translatorcomment>ISO 3166-1 JO, from iso-codes 4.15.0</translatorcomment>
        <translation>Jordanien</translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translatorcomment>ISO 3166-1 KZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Kasachstan</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translatorcomment>ISO 3166-1 KE, from iso-codes 4.15.0</translatorcomment>
        <translation>Kenia</translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translatorcomment>ISO 3166-1 KI, from iso-codes 4.15.0</translatorcomment>
        <translation>Kiribati</translation>
    </message>
    <message>
        <source>Korea (North)</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>Nordkorea</translation>
    </message>
    <message>
        <source>Korea (South)</source>
        <translatorcomment>ISO 3166-1 KR, from iso-codes 4.15.0</translatorcomment>
        <translation>Südkorea</translation>
    </message>
    <message>
        <source>Korea (South) ()</source>
        <extracomment>A further access code of the country, of a carrier the list does not name: keep the empty parentheses.</extracomment>
        <translation>Südkorea ()</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translatorcomment>ISO 3166-1 KW, from iso-codes 4.15.0</translatorcomment>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Kyrgyz Republic</source>
        <translatorcomment>ISO 3166-1 KG, from iso-codes 4.15.0</translatorcomment>
        <translation>Kirgisistan</translation>
    </message>
    <message>
        <source>Laos</source>
        <translatorcomment>ISO 3166-1 LA, from iso-codes 4.15.0</translatorcomment>
        <translation>Laos</translation>
    </message>
    <message>
        <source>Latvia</source>
        <translatorcomment>ISO 3166-1 LV, from iso-codes 4.15.0</translatorcomment>
        <translation>Lettland</translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translatorcomment>ISO 3166-1 LB, from iso-codes 4.15.0</translatorcomment>
        <translation>Libanon</translation>
    </message>
    <message>
        <source>Lesotho</source>
        <translatorcomment>ISO 3166-1 LS, from iso-codes 4.15.0</translatorcomment>
        <translation>Lesotho</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translatorcomment>ISO 3166-1 LR, from iso-codes 4.15.0</translatorcomment>
        <translation>Liberia</translation>
    </message>
    <message>
        <source>Libya</source>
        <translatorcomment>ISO 3166-1 LY, from iso-codes 4.15.0</translatorcomment>
        <translation>Libyen</translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translatorcomment>ISO 3166-1 LI, from iso-codes 4.15.0</translatorcomment>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translatorcomment>ISO 3166-1 LT, from iso-codes 4.15.0</translatorcomment>
        <translation>Litauen</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translatorcomment>ISO 3166-1 LU, from iso-codes 4.15.0</translatorcomment>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>Macau</source>
        <translatorcomment>ISO 3166-1 MO, from iso-codes 4.15.0</translatorcomment>
        <translation>Macao</translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translatorcomment>ISO 3166-1 MK, from iso-codes 4.15.0</translatorcomment>
        <translation>Nordmazedonien</translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translatorcomment>ISO 3166-1 MG, from iso-codes 4.15.0</translatorcomment>
        <translation>Madagaskar</translation>
    </message>
    <message>
        <source>Malawi</source>
        <translatorcomment>ISO 3166-1 MW, from iso-codes 4.15.0</translatorcomment>
        <translation>Malawi</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translatorcomment>ISO 3166-1 MY, from iso-codes 4.15.0</translatorcomment>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Maldives</source>
        <translatorcomment>ISO 3166-1 MV, from iso-codes 4.15.0</translatorcomment>
        <translation>Malediven</translation>
    </message>
    <message>
        <source>Mali Republic</source>
        <translatorcomment>ISO 3166-1 ML, from iso-codes 4.15.0</translatorcomment>
        <translation>Mali</translation>
    </message>
    <message>
        <source>Malta</source>
        <translatorcomment>ISO 3166-1 MT, from iso-codes 4.15.0</translatorcomment>
        <translation>Malta</translation>
    </message>
    <message>
        <source>Marshall Islands</source>
        <translatorcomment>ISO 3166-1 MH, from iso-codes 4.15.0</translatorcomment>
        <translation>Marshallinseln</translation>
    </message>
    <message>
        <source>Martinique</source>
        <translatorcomment>ISO 3166-1 MQ, from iso-codes 4.15.0</translatorcomment>
        <translation>Martinique</translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translatorcomment>ISO 3166-1 MR, from iso-codes 4.15.0</translatorcomment>
        <translation>Mauretanien</translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translatorcomment>ISO 3166-1 MU, from iso-codes 4.15.0</translatorcomment>
        <translation>Mauritius</translation>
    </message>
    <message>
        <source>Mayotte Island</source>
        <translatorcomment>ISO 3166-1 YT, from iso-codes 4.15.0</translatorcomment>
        <translation>Mayotte</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translatorcomment>ISO 3166-1 MX, from iso-codes 4.15.0</translatorcomment>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translatorcomment>ISO 3166-1 FM; the short name, as the list writes the others, where iso-codes 4.15.0 has Mikronesien, Föderierte Staaten von</translatorcomment>
        <translation>Mikronesien</translation>
    </message>
    <message>
        <source>Midway Island</source>
        <translatorcomment>ISO 3166-3 MIUM, from iso-codes 4.15.0</translatorcomment>
        <translation>Midwayinseln</translation>
    </message>
    <message>
        <source>Moldova</source>
        <translatorcomment>ISO 3166-1 MD, from iso-codes 4.15.0</translatorcomment>
        <translation>Moldau</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translatorcomment>ISO 3166-1 MC, from iso-codes 4.15.0</translatorcomment>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translatorcomment>ISO 3166-1 MN, from iso-codes 4.15.0</translatorcomment>
        <translation>Mongolei</translation>
    </message>
    <message>
        <source>Montserrat</source>
        <translatorcomment>ISO 3166-1 MS, from iso-codes 4.15.0</translatorcomment>
        <translation>Montserrat</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translatorcomment>ISO 3166-1 MA, from iso-codes 4.15.0</translatorcomment>
        <translation>Marokko</translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translatorcomment>ISO 3166-1 MZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Mosambik</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translatorcomment>ISO 3166-1 MM, from iso-codes 4.15.0</translatorcomment>
        <translation>Myanmar</translation>
    </message>
    <message>
        <source>Namibia</source>
        <translatorcomment>ISO 3166-1 NA, from iso-codes 4.15.0</translatorcomment>
        <translation>Namibia</translation>
    </message>
    <message>
        <source>Nauru</source>
        <translatorcomment>ISO 3166-1 NR, from iso-codes 4.15.0</translatorcomment>
        <translation>Nauru</translation>
    </message>
    <message>
        <source>Nepal</source>
        <translatorcomment>ISO 3166-1 NP, from iso-codes 4.15.0</translatorcomment>
        <translation>Nepal</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translatorcomment>ISO 3166-1 NL, from iso-codes 4.15.0</translatorcomment>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Netherlands Antilles</source>
        <translatorcomment>ISO 3166-3 ANHH, from iso-codes 4.15.0</translatorcomment>
        <translation>Niederländische Antillen</translation>
    </message>
    <message>
        <source>Nevis</source>
        <translation>Nevis</translation>
    </message>
    <message>
        <source>New Caledonia</source>
        <translatorcomment>ISO 3166-1 NC, from iso-codes 4.15.0</translatorcomment>
        <translation>Neukaledonien</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translatorcomment>ISO 3166-1 NZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translatorcomment>ISO 3166-1 NI, from iso-codes 4.15.0</translatorcomment>
        <translation>Nicaragua</translation>
    </message>
    <message>
        <source>Niger</source>
        <translatorcomment>ISO 3166-1 NE, from iso-codes 4.15.0</translatorcomment>
        <translation>Niger</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translatorcomment>ISO 3166-1 NG, from iso-codes 4.15.0</translatorcomment>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Niue</source>
        <translatorcomment>ISO 3166-1 NU, from iso-codes 4.15.0</translatorcomment>
        <translation>Niue</translation>
    </message>
    <message>
        <source>Norfolk Island</source>
        <translatorcomment>ISO 3166-1 NF, from iso-codes 4.15.0</translatorcomment>
        <translation>Norfolkinsel</translation>
    </message>
    <message>
        <source>Northern Marianas Islands</source>
        <translatorcomment>ISO 3166-1 MP, from iso-codes 4.15.0</translatorcomment>
        <translation>Nördliche Marianen</translation>
    </message>
    <message>
        <source>Norway</source>
        <translatorcomment>ISO 3166-1 NO, from iso-codes 4.15.0</translatorcomment>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Oman</source>
        <translatorcomment>ISO 3166-1 OM, from iso-codes 4.15.0</translatorcomment>
        <translation>Oman</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translatorcomment>ISO 3166-1 PK, from iso-codes 4.15.0</translatorcomment>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Palau</source>
        <translatorcomment>ISO 3166-1 PW, from iso-codes 4.15.0</translatorcomment>
        <translation>Palau</translation>
    </message>
    <message>
        <source>Palestine</source>
        <translatorcomment>ISO 3166-1 PS; the short name, as the list writes the others, where iso-codes 4.15.0 has Palästina, Staat</translatorcomment>
        <translation>Palästina</translation>
    </message>
    <message>
        <source>Panama</source>
        <translatorcomment>ISO 3166-1 PA, from iso-codes 4.15.0</translatorcomment>
        <translation>Panama</translation>
    </message>
    <message>
        <source>Papua New Guinea</source>
        <translatorcomment>ISO 3166-1 PG, from iso-codes 4.15.0</translatorcomment>
        <translation>Papua-Neuguinea</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translatorcomment>ISO 3166-1 PY, from iso-codes 4.15.0</translatorcomment>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translatorcomment>ISO 3166-1 PE, from iso-codes 4.15.0</translatorcomment>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translatorcomment>ISO 3166-1 PH, from iso-codes 4.15.0</translatorcomment>
        <translation>Philippinen</translation>
    </message>
    <message>
        <source>Poland</source>
        <translatorcomment>ISO 3166-1 PL, from iso-codes 4.15.0</translatorcomment>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translatorcomment>ISO 3166-1 PT, from iso-codes 4.15.0</translatorcomment>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal (Rubicon/BT)</source>
        <translation>Portugal (Rubicon/BT)</translation>
    </message>
    <message>
        <source>Puerto Rico</source>
        <translatorcomment>ISO 3166-1 PR, from iso-codes 4.15.0</translatorcomment>
        <translation>Puerto Rico</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translatorcomment>ISO 3166-1 QA, from iso-codes 4.15.0</translatorcomment>
        <translation>Katar</translation>
    </message>
    <message>
        <source>Réunion Island</source>
        <translatorcomment>ISO 3166-1 RE, from iso-codes 4.15.0</translatorcomment>
        <translation>Réunion</translation>
    </message>
    <message>
        <source>Romania</source>
        <translatorcomment>ISO 3166-1 RO, from iso-codes 4.15.0</translatorcomment>
        <translation>Rumänien</translation>
    </message>
    <message>
        <source>Russia</source>
        <translatorcomment>ISO 3166-1 RU, from iso-codes 4.15.0</translatorcomment>
        <translation>Russische Föderation</translation>
    </message>
    <message>
        <source>Rwanda</source>
        <translatorcomment>ISO 3166-1 RW, from iso-codes 4.15.0</translatorcomment>
        <translation>Ruanda</translation>
    </message>
    <message>
        <source>St. Helena</source>
        <translation>St. Helena</translation>
    </message>
    <message>
        <source>St. Kitts/Nevis</source>
        <translatorcomment>ISO 3166-1 KN, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Kitts und Nevis</translation>
    </message>
    <message>
        <source>St. Lucia</source>
        <translatorcomment>ISO 3166-1 LC, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Lucia</translation>
    </message>
    <message>
        <source>St. Pierre &amp; Miquelon</source>
        <translatorcomment>ISO 3166-1 PM, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Pierre und Miquelon</translation>
    </message>
    <message>
        <source>St. Vincent &amp; Grenadines</source>
        <translatorcomment>ISO 3166-1 VC, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Vincent und die Grenadinen</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translatorcomment>ISO 3166-1 SM, from iso-codes 4.15.0</translatorcomment>
        <translation>San Marino</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translatorcomment>ISO 3166-1 SA, from iso-codes 4.15.0</translatorcomment>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translatorcomment>ISO 3166-1 SN, from iso-codes 4.15.0</translatorcomment>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translatorcomment>ISO 3166-1 RS, from iso-codes 4.15.0</translatorcomment>
        <translation>Serbien</translation>
    </message>
    <message>
        <source>Singapore (Singtel IDD)</source>
        <translation>Singapur (Singtel IDD)</translation>
    </message>
    <message>
        <source>Singapore (MobileOne IDD)</source>
        <translation>Singapur (MobileOne IDD)</translation>
    </message>
    <message>
        <source>Singapore (Starhub IDD)</source>
        <translation>Singapur (Starhub IDD)</translation>
    </message>
    <message>
        <source>Singapore (Singtel FaxPlus)</source>
        <translation>Singapur (Singtel FaxPlus)</translation>
    </message>
    <message>
        <source>Singapore (Singtel BudgetCall)</source>
        <translation>Singapur (Singtel BudgetCall)</translation>
    </message>
    <message>
        <source>Singapore (Starhub I-Call)</source>
        <translation>Singapur (Starhub I-Call)</translation>
    </message>
    <message>
        <source>Singapore (Singtel V019)</source>
        <translation>Singapur (Singtel V019)</translation>
    </message>
    <message>
        <source>Sierra Leone</source>
        <translatorcomment>ISO 3166-1 SL, from iso-codes 4.15.0</translatorcomment>
        <translation>Sierra Leone</translation>
    </message>
    <message>
        <source>Slovak Republic</source>
        <translatorcomment>ISO 3166-1 SK, from iso-codes 4.15.0</translatorcomment>
        <translation>Slowakei</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translatorcomment>ISO 3166-1 SI, from iso-codes 4.15.0</translatorcomment>
        <translation>Slowenien</translation>
    </message>
    <message>
        <source>Somalia</source>
        <translatorcomment>ISO 3166-1 SO, from iso-codes 4.15.0</translatorcomment>
        <translation>Somalia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translatorcomment>ISO 3166-1 ZA, from iso-codes 4.15.0</translatorcomment>
        <translation>Südafrika</translation>
    </message>
    <message>
        <source>Spain</source>
        <translatorcomment>ISO 3166-1 ES, from iso-codes 4.15.0</translatorcomment>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translatorcomment>ISO 3166-1 LK, from iso-codes 4.15.0</translatorcomment>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <source>Sudan</source>
        <translatorcomment>ISO 3166-1 SD, from iso-codes 4.15.0</translatorcomment>
        <translation>Sudan</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translatorcomment>ISO 3166-1 SR, from iso-codes 4.15.0</translatorcomment>
        <translation>Suriname</translation>
    </message>
    <message>
        <source>Swaziland</source>
        <translatorcomment>ISO 3166-1 SZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Eswatini</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translatorcomment>ISO 3166-1 SE, from iso-codes 4.15.0</translatorcomment>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translatorcomment>ISO 3166-1 CH, from iso-codes 4.15.0</translatorcomment>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Syria</source>
        <translatorcomment>ISO 3166-1 SY, from iso-codes 4.15.0</translatorcomment>
        <translation>Syrien</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translatorcomment>ISO 3166-1 TW, from iso-codes 4.15.0</translatorcomment>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translatorcomment>ISO 3166-1 TJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Tadschikistan</translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translatorcomment>ISO 3166-1 TZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Tansania</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translatorcomment>ISO 3166-1 TH, from iso-codes 4.15.0</translatorcomment>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Togo</source>
        <translatorcomment>ISO 3166-1 TG, from iso-codes 4.15.0</translatorcomment>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Tokelau</source>
        <translatorcomment>ISO 3166-1 TK, from iso-codes 4.15.0</translatorcomment>
        <translation>Tokelau</translation>
    </message>
    <message>
        <source>Tonga Islands</source>
        <translatorcomment>ISO 3166-1 TO, from iso-codes 4.15.0</translatorcomment>
        <translation>Tonga</translation>
    </message>
    <message>
        <source>Trinidad &amp; Tobago</source>
        <translatorcomment>ISO 3166-1 TT, from iso-codes 4.15.0</translatorcomment>
        <translation>Trinidad und Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translatorcomment>ISO 3166-1 TN, from iso-codes 4.15.0</translatorcomment>
        <translation>Tunesien</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translatorcomment>ISO 3166-1 TR, from iso-codes 4.15.0</translatorcomment>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translatorcomment>ISO 3166-1 TM, from iso-codes 4.15.0</translatorcomment>
        <translation>Turkmenistan</translation>
    </message>
    <message>
        <source>Tuvalu</source>
        <translatorcomment>ISO 3166-1 TV, from iso-codes 4.15.0</translatorcomment>
        <translation>Tuvalu</translation>
    </message>
    <message>
        <source>Uganda</source>
        <translatorcomment>ISO 3166-1 UG, from iso-codes 4.15.0</translatorcomment>
        <translation>Uganda</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translatorcomment>ISO 3166-1 UA, from iso-codes 4.15.0</translatorcomment>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>United Arab Emirates</source>
        <translatorcomment>ISO 3166-1 AE, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigte Arabische Emirate</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translatorcomment>ISO 3166-1 GB, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>United States of America</source>
        <translatorcomment>ISO 3166-1 US, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>US Virgin Islands</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>Amerikanische Jungferninseln</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translatorcomment>ISO 3166-1 UY, from iso-codes 4.15.0</translatorcomment>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translatorcomment>ISO 3166-1 UZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Usbekistan</translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translatorcomment>ISO 3166-1 VU, from iso-codes 4.15.0</translatorcomment>
        <translation>Vanuatu</translation>
    </message>
    <message>
        <source>Vatican City</source>
        <translatorcomment>ISO 3166-1 VA; the short name, as the list writes the others, where iso-codes 4.15.0 has Heiliger Stuhl (Staat Vatikanstadt)</translatorcomment>
        <translation>Vatikanstadt</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translatorcomment>ISO 3166-1 VE, from iso-codes 4.15.0</translatorcomment>
        <translation>Venezuela</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translatorcomment>ISO 3166-1 VN, from iso-codes 4.15.0</translatorcomment>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>Wake Island</source>
        <translatorcomment>ISO 3166-3 WKUM, from iso-codes 4.15.0</translatorcomment>
        <translation>Wake</translation>
    </message>
    <message>
        <source>Yemen</source>
        <translatorcomment>ISO 3166-1 YE, from iso-codes 4.15.0</translatorcomment>
        <translation>Jemen</translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translatorcomment>ISO 3166-3 YUCS; the short name, as the list writes the others, where iso-codes 4.15.0 has Jugoslawien, (Sozialistische) Föderative Republik</translatorcomment>
        <translation>Jugoslawien</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translatorcomment>ISO 3166-1 ZM, from iso-codes 4.15.0</translatorcomment>
        <translation>Sambia</translation>
    </message>
    <message>
        <source>Zanzibar</source>
        <translation>Sansibar</translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translatorcomment>ISO 3166-1 ZW, from iso-codes 4.15.0</translatorcomment>
        <translation>Simbabwe</translation>
    </message>
    <message>
        <source>Australia</source>
        <translatorcomment>ISO 3166-1 AU, from iso-codes 4.15.0</translatorcomment>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translatorcomment>ISO 3166-1 BO, from iso-codes 4.15.0</translatorcomment>
        <translation>Bolivien</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translatorcomment>ISO 3166-1 BR, from iso-codes 4.15.0</translatorcomment>
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>CapeVerde Islands</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translatorcomment>ISO 3166-1 CO, from iso-codes 4.15.0</translatorcomment>
        <translation>Kolumbien</translation>
    </message>
    <message>
        <source>France</source>
        <translatorcomment>ISO 3166-1 FR, from iso-codes 4.15.0</translatorcomment>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translatorcomment>ISO 3166-1 HK, from iso-codes 4.15.0</translatorcomment>
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>Japan</source>
        <translatorcomment>ISO 3166-1 JP, from iso-codes 4.15.0</translatorcomment>
        <translation>Japan</translation>
    </message>
    <message>
        <source>St.Helena</source>
        <translation>St. Helena</translation>
    </message>
    <message>
        <source>St.Kitts/Nevis</source>
        <translatorcomment>ISO 3166-1 KN, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Kitts und Nevis</translation>
    </message>
    <message>
        <source>St.Lucia</source>
        <translatorcomment>ISO 3166-1 LC, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Lucia</translation>
    </message>
    <message>
        <source>St.Pierre &amp; Miquelon</source>
        <translatorcomment>ISO 3166-1 PM, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Pierre und Miquelon</translation>
    </message>
    <message>
        <source>St.Vincent &amp; Grenadines</source>
        <translatorcomment>ISO 3166-1 VC, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Vincent und die Grenadinen</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translatorcomment>ISO 3166-1 SG, from iso-codes 4.15.0</translatorcomment>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>USVirgin Islands</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>Amerikanische Jungferninseln</translation>
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
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>FileSelect</name>
    <message>
        <source>Open</source>
        <extracomment>Title of the window that chooses the wave file to open.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>File type:  wave files (*.wav)</source>
        <translation>Typ:  Wave-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Selected file, %1</source>
        <extracomment>What a screen reader says for the selected file box; %1 is the path, or &quot;none&quot;.</extracomment>
        <translation>Gewählte Datei, %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Open file first.</source>
        <translation>Zuerst eine Datei öffnen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <extracomment>%1 is the folder, %2 why it cannot be read.</extracomment>
        <translation>Der Ordner %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <extracomment>%1 is a drive (on Windows, a drive letter); it has no medium in it, as an empty card reader.</extracomment>
        <translation>Das Laufwerk %1 ist nicht bereit.</translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Verzeichnis</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
</context>
<context>
    <name>FrmCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day cell. A QLocale date format: d day, M month number, MMMM month name, yyyy year, dddd weekday name; Latin letters meant as text go in single quotes. For example &quot;yyyy年M月d日dddd&quot;, &quot;dddd, d. MMMM yyyy&quot;.</extracomment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The window&apos;s title.
----------
The caption of the frame round the month grid and the two lists.</extracomment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Caption of the month list, 41 pixels wide.</extracomment>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Caption of the year list, 33 pixels wide.</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <extracomment>How a screen reader names the month grid. A QLocale date format: MMMM month name, M month number, yyyy year; Latin letters meant as text go in single quotes. For example &quot;yyyy年M月&quot;.</extracomment>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>%1, today</source>
        <extracomment>How a screen reader names today&apos;s day cell: %1 is the date, as spoken for a day.</extracomment>
        <translation>%1, heute</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the converter&apos;s and the dialer&apos;s help windows.</extracomment>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>ISO country name</name>
    <message>
        <source>Principality of Andorra</source>
        <translatorcomment>ISO 3166-1 AD, from iso-codes 4.15.0</translatorcomment>
        <translation>Fürstentum Andorra</translation>
    </message>
    <message>
        <source>Islamic Republic of Afghanistan</source>
        <translatorcomment>ISO 3166-1 AF, from iso-codes 4.15.0</translatorcomment>
        <translation>Islamische Republik Afghanistan</translation>
    </message>
    <message>
        <source>Republic of Albania</source>
        <translatorcomment>ISO 3166-1 AL, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Albanien</translation>
    </message>
    <message>
        <source>Republic of Armenia</source>
        <translatorcomment>ISO 3166-1 AM, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Armenien</translation>
    </message>
    <message>
        <source>Republic of Angola</source>
        <translatorcomment>ISO 3166-1 AO, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Angola</translation>
    </message>
    <message>
        <source>Argentine Republic</source>
        <translatorcomment>ISO 3166-1 AR, from iso-codes 4.15.0</translatorcomment>
        <translation>Argentinische Republik</translation>
    </message>
    <message>
        <source>Republic of Austria</source>
        <translatorcomment>ISO 3166-1 AT, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Österreich</translation>
    </message>
    <message>
        <source>Republic of Azerbaijan</source>
        <translatorcomment>ISO 3166-1 AZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Aserbaidschan</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translatorcomment>ISO 3166-1 BA, from iso-codes 4.15.0</translatorcomment>
        <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
        <source>Republic of Bosnia and Herzegovina</source>
        <translatorcomment>ISO 3166-1 BA, from iso-codes 4.15.0</translatorcomment>
        <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
        <source>People&apos;s Republic of Bangladesh</source>
        <translatorcomment>ISO 3166-1 BD, from iso-codes 4.15.0</translatorcomment>
        <translation>Volksrepublik Bangladesh</translation>
    </message>
    <message>
        <source>Kingdom of Belgium</source>
        <translatorcomment>ISO 3166-1 BE, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Belgien</translation>
    </message>
    <message>
        <source>Republic of Bulgaria</source>
        <translatorcomment>ISO 3166-1 BG, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Bulgarien</translation>
    </message>
    <message>
        <source>Kingdom of Bahrain</source>
        <translatorcomment>ISO 3166-1 BH, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Bahrain</translation>
    </message>
    <message>
        <source>Republic of Burundi</source>
        <translatorcomment>ISO 3166-1 BI, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Burundi</translation>
    </message>
    <message>
        <source>Republic of Benin</source>
        <translatorcomment>ISO 3166-1 BJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Benin</translation>
    </message>
    <message>
        <source>Brunei Darussalam</source>
        <translatorcomment>ISO 3166-1 BN, from iso-codes 4.15.0</translatorcomment>
        <translation>Brunei Darussalam</translation>
    </message>
    <message>
        <source>Bolivia, Plurinational State of</source>
        <translatorcomment>ISO 3166-1 BO, from iso-codes 4.15.0</translatorcomment>
        <translation>Bolivien, Plurinationaler Staat</translation>
    </message>
    <message>
        <source>Plurinational State of Bolivia</source>
        <translatorcomment>ISO 3166-1 BO, from iso-codes 4.15.0</translatorcomment>
        <translation>Plurinationaler Staat Bolivien</translation>
    </message>
    <message>
        <source>Federative Republic of Brazil</source>
        <translatorcomment>ISO 3166-1 BR, from iso-codes 4.15.0</translatorcomment>
        <translation>Föderative Republik Brasilien</translation>
    </message>
    <message>
        <source>Commonwealth of the Bahamas</source>
        <translatorcomment>ISO 3166-1 BS, from iso-codes 4.15.0</translatorcomment>
        <translation>Commonwealth der Bahamas</translation>
    </message>
    <message>
        <source>Kingdom of Bhutan</source>
        <translatorcomment>ISO 3166-1 BT, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Bhutan</translation>
    </message>
    <message>
        <source>Republic of Botswana</source>
        <translatorcomment>ISO 3166-1 BW, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Botsuana</translation>
    </message>
    <message>
        <source>Republic of Belarus</source>
        <translatorcomment>ISO 3166-1 BY, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Belarus</translation>
    </message>
    <message>
        <source>Cocos (Keeling) Islands</source>
        <translatorcomment>ISO 3166-1 CC, from iso-codes 4.15.0</translatorcomment>
        <translation>Kokos-(Keeling-)Inseln</translation>
    </message>
    <message>
        <source>Congo, The Democratic Republic of the</source>
        <translatorcomment>ISO 3166-1 CD, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Republik Kongo</translation>
    </message>
    <message>
        <source>Republic of the Congo</source>
        <translatorcomment>ISO 3166-1 CG, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kongo</translation>
    </message>
    <message>
        <source>Swiss Confederation</source>
        <translatorcomment>ISO 3166-1 CH, from iso-codes 4.15.0</translatorcomment>
        <translation>Schweizerische Eidgenossenschaft</translation>
    </message>
    <message>
        <source>Côte d&apos;Ivoire</source>
        <translatorcomment>ISO 3166-1 CI, from iso-codes 4.15.0</translatorcomment>
        <translation>Côte d&apos;Ivoire</translation>
    </message>
    <message>
        <source>Republic of Côte d&apos;Ivoire</source>
        <translatorcomment>ISO 3166-1 CI, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Côte d&apos;Ivoire</translation>
    </message>
    <message>
        <source>Republic of Chile</source>
        <translatorcomment>ISO 3166-1 CL, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Chile</translation>
    </message>
    <message>
        <source>Republic of Cameroon</source>
        <translatorcomment>ISO 3166-1 CM, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kamerun</translation>
    </message>
    <message>
        <source>People&apos;s Republic of China</source>
        <translatorcomment>ISO 3166-1 CN, from iso-codes 4.15.0</translatorcomment>
        <translation>Volksrepublik China</translation>
    </message>
    <message>
        <source>Republic of Colombia</source>
        <translatorcomment>ISO 3166-1 CO, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kolumbien</translation>
    </message>
    <message>
        <source>Republic of Costa Rica</source>
        <translatorcomment>ISO 3166-1 CR, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Costa Rica</translation>
    </message>
    <message>
        <source>Republic of Cuba</source>
        <translatorcomment>ISO 3166-1 CU, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kuba</translation>
    </message>
    <message>
        <source>Cabo Verde</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <source>Republic of Cabo Verde</source>
        <translatorcomment>ISO 3166-1 CV, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kap Verde</translation>
    </message>
    <message>
        <source>Republic of Cyprus</source>
        <translatorcomment>ISO 3166-1 CY, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Zypern</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translatorcomment>ISO 3166-1 CZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Federal Republic of Germany</source>
        <translatorcomment>ISO 3166-1 DE, from iso-codes 4.15.0</translatorcomment>
        <translation>Bundesrepublik Deutschland</translation>
    </message>
    <message>
        <source>Republic of Djibouti</source>
        <translatorcomment>ISO 3166-1 DJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Dschibuti</translation>
    </message>
    <message>
        <source>Kingdom of Denmark</source>
        <translatorcomment>ISO 3166-1 DK, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Dänemark</translation>
    </message>
    <message>
        <source>Commonwealth of Dominica</source>
        <translatorcomment>ISO 3166-1 DM, from iso-codes 4.15.0</translatorcomment>
        <translation>Commonwealth Dominica</translation>
    </message>
    <message>
        <source>People&apos;s Democratic Republic of Algeria</source>
        <translatorcomment>ISO 3166-1 DZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Volksrepublik Algerien</translation>
    </message>
    <message>
        <source>Republic of Ecuador</source>
        <translatorcomment>ISO 3166-1 EC, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Ecuador</translation>
    </message>
    <message>
        <source>Republic of Estonia</source>
        <translatorcomment>ISO 3166-1 EE, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Estland</translation>
    </message>
    <message>
        <source>Arab Republic of Egypt</source>
        <translatorcomment>ISO 3166-1 EG, from iso-codes 4.15.0</translatorcomment>
        <translation>Arabische Republik Ägypten</translation>
    </message>
    <message>
        <source>the State of Eritrea</source>
        <translatorcomment>ISO 3166-1 ER, from iso-codes 4.15.0</translatorcomment>
        <translation>Staat Eritrea</translation>
    </message>
    <message>
        <source>Kingdom of Spain</source>
        <translatorcomment>ISO 3166-1 ES, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Spanien</translation>
    </message>
    <message>
        <source>Federal Democratic Republic of Ethiopia</source>
        <translatorcomment>ISO 3166-1 ET, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Bundesrepublik Äthiopien</translation>
    </message>
    <message>
        <source>Republic of Finland</source>
        <translatorcomment>ISO 3166-1 FI, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Finnland</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translatorcomment>ISO 3166-1 FJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Fidschi</translation>
    </message>
    <message>
        <source>Republic of Fiji</source>
        <translatorcomment>ISO 3166-1 FJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Fidschi</translation>
    </message>
    <message>
        <source>Falkland Islands (Malvinas)</source>
        <translatorcomment>ISO 3166-1 FK, from iso-codes 4.15.0</translatorcomment>
        <translation>Falklandinseln (Malwinen)</translation>
    </message>
    <message>
        <source>Micronesia, Federated States of</source>
        <translatorcomment>ISO 3166-1 FM, from iso-codes 4.15.0</translatorcomment>
        <translation>Mikronesien, Föderierte Staaten von</translation>
    </message>
    <message>
        <source>Federated States of Micronesia</source>
        <translatorcomment>ISO 3166-1 FM, from iso-codes 4.15.0</translatorcomment>
        <translation>Föderierte Staaten von Mikronesien</translation>
    </message>
    <message>
        <source>Faroe Islands</source>
        <translatorcomment>ISO 3166-1 FO, from iso-codes 4.15.0</translatorcomment>
        <translation>Färöer-Inseln</translation>
    </message>
    <message>
        <source>French Republic</source>
        <translatorcomment>ISO 3166-1 FR, from iso-codes 4.15.0</translatorcomment>
        <translation>Französische Republik</translation>
    </message>
    <message>
        <source>Gabonese Republic</source>
        <translatorcomment>ISO 3166-1 GA, from iso-codes 4.15.0</translatorcomment>
        <translation>Gabunische Republik</translation>
    </message>
    <message>
        <source>United Kingdom of Great Britain and Northern Ireland</source>
        <translatorcomment>ISO 3166-1 GB, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigtes Königreich Großbritannien und Nordirland</translation>
    </message>
    <message>
        <source>Republic of Ghana</source>
        <translatorcomment>ISO 3166-1 GH, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Ghana</translation>
    </message>
    <message>
        <source>Republic of the Gambia</source>
        <translatorcomment>ISO 3166-1 GM, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Gambia</translation>
    </message>
    <message>
        <source>Republic of Guinea</source>
        <translatorcomment>ISO 3166-1 GN, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Guinea</translation>
    </message>
    <message>
        <source>Republic of Equatorial Guinea</source>
        <translatorcomment>ISO 3166-1 GQ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Äquatorialguinea</translation>
    </message>
    <message>
        <source>Hellenic Republic</source>
        <translatorcomment>ISO 3166-1 GR, from iso-codes 4.15.0</translatorcomment>
        <translation>Hellenische Republik</translation>
    </message>
    <message>
        <source>Republic of Guatemala</source>
        <translatorcomment>ISO 3166-1 GT, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Guatemala</translation>
    </message>
    <message>
        <source>Republic of Guinea-Bissau</source>
        <translatorcomment>ISO 3166-1 GW, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Guinea-Bissau</translation>
    </message>
    <message>
        <source>Republic of Guyana</source>
        <translatorcomment>ISO 3166-1 GY, from iso-codes 4.15.0</translatorcomment>
        <translation>Kooperative Republik Guyana</translation>
    </message>
    <message>
        <source>Hong Kong Special Administrative Region of China</source>
        <translatorcomment>ISO 3166-1 HK, from iso-codes 4.15.0</translatorcomment>
        <translation>Sonderverwaltungsregion Hongkong</translation>
    </message>
    <message>
        <source>Republic of Honduras</source>
        <translatorcomment>ISO 3166-1 HN, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Honduras</translation>
    </message>
    <message>
        <source>Republic of Croatia</source>
        <translatorcomment>ISO 3166-1 HR, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kroatien</translation>
    </message>
    <message>
        <source>Republic of Haiti</source>
        <translatorcomment>ISO 3166-1 HT, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Haiti</translation>
    </message>
    <message>
        <source>Republic of Indonesia</source>
        <translatorcomment>ISO 3166-1 ID, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Indonesien</translation>
    </message>
    <message>
        <source>State of Israel</source>
        <translatorcomment>ISO 3166-1 IL, from iso-codes 4.15.0</translatorcomment>
        <translation>Staat Israel</translation>
    </message>
    <message>
        <source>Republic of India</source>
        <translatorcomment>ISO 3166-1 IN, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Indien</translation>
    </message>
    <message>
        <source>Republic of Iraq</source>
        <translatorcomment>ISO 3166-1 IQ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Irak</translation>
    </message>
    <message>
        <source>Iran, Islamic Republic of</source>
        <translatorcomment>ISO 3166-1 IR, from iso-codes 4.15.0</translatorcomment>
        <translation>Iran, Islamische Republik</translation>
    </message>
    <message>
        <source>Islamic Republic of Iran</source>
        <translatorcomment>ISO 3166-1 IR, from iso-codes 4.15.0</translatorcomment>
        <translation>Islamische Republik Iran</translation>
    </message>
    <message>
        <source>Republic of Iceland</source>
        <translatorcomment>ISO 3166-1 IS, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Island</translation>
    </message>
    <message>
        <source>Italian Republic</source>
        <translatorcomment>ISO 3166-1 IT, from iso-codes 4.15.0</translatorcomment>
        <translation>Italienische Republik</translation>
    </message>
    <message>
        <source>Hashemite Kingdom of Jordan</source>
        <translatorcomment>ISO 3166-1 JO, from iso-codes 4.15.0</translatorcomment>
        <translation>Haschemitisches Königreich Jordanien</translation>
    </message>
    <message>
        <source>Republic of Kenya</source>
        <translatorcomment>ISO 3166-1 KE, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kenia</translation>
    </message>
    <message>
        <source>Kyrgyzstan</source>
        <translatorcomment>ISO 3166-1 KG, from iso-codes 4.15.0</translatorcomment>
        <translation>Kirgisistan</translation>
    </message>
    <message>
        <source>Kingdom of Cambodia</source>
        <translatorcomment>ISO 3166-1 KH, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Kambodscha</translation>
    </message>
    <message>
        <source>Republic of Kiribati</source>
        <translatorcomment>ISO 3166-1 KI, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kiribati</translation>
    </message>
    <message>
        <source>Union of the Comoros</source>
        <translatorcomment>ISO 3166-1 KM, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigung der Komoren</translation>
    </message>
    <message>
        <source>Saint Kitts and Nevis</source>
        <translatorcomment>ISO 3166-1 KN, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Kitts und Nevis</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>Nordkorea</translation>
    </message>
    <message>
        <source>Korea, Democratic People&apos;s Republic of</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>Korea, Demokratische Volksrepublik</translation>
    </message>
    <message>
        <source>Democratic People&apos;s Republic of Korea</source>
        <translatorcomment>ISO 3166-1 KP, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Volksrepublik Korea</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translatorcomment>ISO 3166-1 KR, from iso-codes 4.15.0</translatorcomment>
        <translation>Südkorea</translation>
    </message>
    <message>
        <source>Korea, Republic of</source>
        <translatorcomment>ISO 3166-1 KR, from iso-codes 4.15.0</translatorcomment>
        <translation>Korea, Republik</translation>
    </message>
    <message>
        <source>State of Kuwait</source>
        <translatorcomment>ISO 3166-1 KW, from iso-codes 4.15.0</translatorcomment>
        <translation>Staat Kuwait</translation>
    </message>
    <message>
        <source>Republic of Kazakhstan</source>
        <translatorcomment>ISO 3166-1 KZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Kasachstan</translation>
    </message>
    <message>
        <source>Lao People&apos;s Democratic Republic</source>
        <translatorcomment>ISO 3166-1 LA, from iso-codes 4.15.0</translatorcomment>
        <translation>Laos, Demokratische Volksrepublik</translation>
    </message>
    <message>
        <source>Lebanese Republic</source>
        <translatorcomment>ISO 3166-1 LB, from iso-codes 4.15.0</translatorcomment>
        <translation>Libanesische Republik</translation>
    </message>
    <message>
        <source>Saint Lucia</source>
        <translatorcomment>ISO 3166-1 LC, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Lucia</translation>
    </message>
    <message>
        <source>Principality of Liechtenstein</source>
        <translatorcomment>ISO 3166-1 LI, from iso-codes 4.15.0</translatorcomment>
        <translation>Fürstentum Liechtenstein</translation>
    </message>
    <message>
        <source>Democratic Socialist Republic of Sri Lanka</source>
        <translatorcomment>ISO 3166-1 LK, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische sozialistische Republik Sri Lanka</translation>
    </message>
    <message>
        <source>Republic of Liberia</source>
        <translatorcomment>ISO 3166-1 LR, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Liberia</translation>
    </message>
    <message>
        <source>Kingdom of Lesotho</source>
        <translatorcomment>ISO 3166-1 LS, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Lesotho</translation>
    </message>
    <message>
        <source>Republic of Lithuania</source>
        <translatorcomment>ISO 3166-1 LT, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Litauen</translation>
    </message>
    <message>
        <source>Grand Duchy of Luxembourg</source>
        <translatorcomment>ISO 3166-1 LU, from iso-codes 4.15.0</translatorcomment>
        <translation>Großherzogtum Luxemburg</translation>
    </message>
    <message>
        <source>Republic of Latvia</source>
        <translatorcomment>ISO 3166-1 LV, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Lettland</translation>
    </message>
    <message>
        <source>Kingdom of Morocco</source>
        <translatorcomment>ISO 3166-1 MA, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Marokko</translation>
    </message>
    <message>
        <source>Principality of Monaco</source>
        <translatorcomment>ISO 3166-1 MC, from iso-codes 4.15.0</translatorcomment>
        <translation>Fürstentum Monaco</translation>
    </message>
    <message>
        <source>Moldova, Republic of</source>
        <translatorcomment>ISO 3166-1 MD, from iso-codes 4.15.0</translatorcomment>
        <translation>Moldau, Republik</translation>
    </message>
    <message>
        <source>Republic of Moldova</source>
        <translatorcomment>ISO 3166-1 MD, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Moldau</translation>
    </message>
    <message>
        <source>Republic of Madagascar</source>
        <translatorcomment>ISO 3166-1 MG, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Madagaskar</translation>
    </message>
    <message>
        <source>Republic of the Marshall Islands</source>
        <translatorcomment>ISO 3166-1 MH, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Marshallinseln</translation>
    </message>
    <message>
        <source>Midway Islands</source>
        <translatorcomment>ISO 3166-3 MIUM, from iso-codes 4.15.0</translatorcomment>
        <translation>Midwayinseln</translation>
    </message>
    <message>
        <source>North Macedonia</source>
        <translatorcomment>ISO 3166-1 MK, from iso-codes 4.15.0</translatorcomment>
        <translation>Nordmazedonien</translation>
    </message>
    <message>
        <source>Republic of North Macedonia</source>
        <translatorcomment>ISO 3166-1 MK, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Nordmazedonien</translation>
    </message>
    <message>
        <source>Mali</source>
        <translatorcomment>ISO 3166-1 ML, from iso-codes 4.15.0</translatorcomment>
        <translation>Mali</translation>
    </message>
    <message>
        <source>Republic of Mali</source>
        <translatorcomment>ISO 3166-1 ML, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Mali</translation>
    </message>
    <message>
        <source>Republic of Myanmar</source>
        <translatorcomment>ISO 3166-1 MM, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Myanmar</translation>
    </message>
    <message>
        <source>Macao</source>
        <translatorcomment>ISO 3166-1 MO, from iso-codes 4.15.0</translatorcomment>
        <translation>Macao</translation>
    </message>
    <message>
        <source>Macao Special Administrative Region of China</source>
        <translatorcomment>ISO 3166-1 MO, from iso-codes 4.15.0</translatorcomment>
        <translation>Sonderverwaltungsregion Macao</translation>
    </message>
    <message>
        <source>Northern Mariana Islands</source>
        <translatorcomment>ISO 3166-1 MP, from iso-codes 4.15.0</translatorcomment>
        <translation>Nördliche Marianen</translation>
    </message>
    <message>
        <source>Commonwealth of the Northern Mariana Islands</source>
        <translatorcomment>ISO 3166-1 MP, from iso-codes 4.15.0</translatorcomment>
        <translation>Commonwealth Nördliche Mariana-Inseln</translation>
    </message>
    <message>
        <source>Islamic Republic of Mauritania</source>
        <translatorcomment>ISO 3166-1 MR, from iso-codes 4.15.0</translatorcomment>
        <translation>Islamische Republik Mauretanien</translation>
    </message>
    <message>
        <source>Republic of Malta</source>
        <translatorcomment>ISO 3166-1 MT, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Malta</translation>
    </message>
    <message>
        <source>Republic of Mauritius</source>
        <translatorcomment>ISO 3166-1 MU, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Mauritius</translation>
    </message>
    <message>
        <source>Republic of Maldives</source>
        <translatorcomment>ISO 3166-1 MV, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Malediven</translation>
    </message>
    <message>
        <source>Republic of Malawi</source>
        <translatorcomment>ISO 3166-1 MW, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Malawi</translation>
    </message>
    <message>
        <source>United Mexican States</source>
        <translatorcomment>ISO 3166-1 MX, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigte Mexikanische Staaten</translation>
    </message>
    <message>
        <source>Republic of Mozambique</source>
        <translatorcomment>ISO 3166-1 MZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Mosambik</translation>
    </message>
    <message>
        <source>Republic of Namibia</source>
        <translatorcomment>ISO 3166-1 NA, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Namibia</translation>
    </message>
    <message>
        <source>Republic of the Niger</source>
        <translatorcomment>ISO 3166-1 NE, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Niger</translation>
    </message>
    <message>
        <source>Federal Republic of Nigeria</source>
        <translatorcomment>ISO 3166-1 NG, from iso-codes 4.15.0</translatorcomment>
        <translation>Bundesrepublik Nigeria</translation>
    </message>
    <message>
        <source>Republic of Nicaragua</source>
        <translatorcomment>ISO 3166-1 NI, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Nicaragua</translation>
    </message>
    <message>
        <source>Kingdom of the Netherlands</source>
        <translatorcomment>ISO 3166-1 NL, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich der Niederlande</translation>
    </message>
    <message>
        <source>Kingdom of Norway</source>
        <translatorcomment>ISO 3166-1 NO, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Norwegen</translation>
    </message>
    <message>
        <source>Federal Democratic Republic of Nepal</source>
        <translatorcomment>ISO 3166-1 NP, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Bundesrepublik Nepal</translation>
    </message>
    <message>
        <source>Republic of Nauru</source>
        <translatorcomment>ISO 3166-1 NR, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Nauru</translation>
    </message>
    <message>
        <source>Sultanate of Oman</source>
        <translatorcomment>ISO 3166-1 OM, from iso-codes 4.15.0</translatorcomment>
        <translation>Sultanat Oman</translation>
    </message>
    <message>
        <source>Republic of Panama</source>
        <translatorcomment>ISO 3166-1 PA, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Panama</translation>
    </message>
    <message>
        <source>Republic of Peru</source>
        <translatorcomment>ISO 3166-1 PE, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Peru</translation>
    </message>
    <message>
        <source>Independent State of Papua New Guinea</source>
        <translatorcomment>ISO 3166-1 PG, from iso-codes 4.15.0</translatorcomment>
        <translation>Unabhängiger Staat Papua-Neuguinea</translation>
    </message>
    <message>
        <source>Republic of the Philippines</source>
        <translatorcomment>ISO 3166-1 PH, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik der Philippinen</translation>
    </message>
    <message>
        <source>Islamic Republic of Pakistan</source>
        <translatorcomment>ISO 3166-1 PK, from iso-codes 4.15.0</translatorcomment>
        <translation>Islamische Republik Pakistan</translation>
    </message>
    <message>
        <source>Republic of Poland</source>
        <translatorcomment>ISO 3166-1 PL, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Polen</translation>
    </message>
    <message>
        <source>Saint Pierre and Miquelon</source>
        <translatorcomment>ISO 3166-1 PM, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Pierre und Miquelon</translation>
    </message>
    <message>
        <source>Palestine, State of</source>
        <translatorcomment>ISO 3166-1 PS, from iso-codes 4.15.0</translatorcomment>
        <translation>Palästina, Staat</translation>
    </message>
    <message>
        <source>the State of Palestine</source>
        <translatorcomment>ISO 3166-1 PS, from iso-codes 4.15.0</translatorcomment>
        <translation>Staat Palästina</translation>
    </message>
    <message>
        <source>Portuguese Republic</source>
        <translatorcomment>ISO 3166-1 PT, from iso-codes 4.15.0</translatorcomment>
        <translation>Portugiesische Republik</translation>
    </message>
    <message>
        <source>Republic of Palau</source>
        <translatorcomment>ISO 3166-1 PW, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Palau</translation>
    </message>
    <message>
        <source>Republic of Paraguay</source>
        <translatorcomment>ISO 3166-1 PY, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Paraguay</translation>
    </message>
    <message>
        <source>State of Qatar</source>
        <translatorcomment>ISO 3166-1 QA, from iso-codes 4.15.0</translatorcomment>
        <translation>Staat Katar</translation>
    </message>
    <message>
        <source>Réunion</source>
        <translatorcomment>ISO 3166-1 RE, from iso-codes 4.15.0</translatorcomment>
        <translation>Réunion</translation>
    </message>
    <message>
        <source>Republic of Serbia</source>
        <translatorcomment>ISO 3166-1 RS, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Serbien</translation>
    </message>
    <message>
        <source>Russian Federation</source>
        <translatorcomment>ISO 3166-1 RU, from iso-codes 4.15.0</translatorcomment>
        <translation>Russische Föderation</translation>
    </message>
    <message>
        <source>Rwandese Republic</source>
        <translatorcomment>ISO 3166-1 RW, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Ruanda</translation>
    </message>
    <message>
        <source>Kingdom of Saudi Arabia</source>
        <translatorcomment>ISO 3166-1 SA, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Saudi-Arabien</translation>
    </message>
    <message>
        <source>Republic of the Sudan</source>
        <translatorcomment>ISO 3166-1 SD, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Sudan</translation>
    </message>
    <message>
        <source>Kingdom of Sweden</source>
        <translatorcomment>ISO 3166-1 SE, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Schweden</translation>
    </message>
    <message>
        <source>Republic of Singapore</source>
        <translatorcomment>ISO 3166-1 SG, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Singapur</translation>
    </message>
    <message>
        <source>Republic of Slovenia</source>
        <translatorcomment>ISO 3166-1 SI, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Slowenien</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translatorcomment>ISO 3166-1 SK, from iso-codes 4.15.0</translatorcomment>
        <translation>Slowakei</translation>
    </message>
    <message>
        <source>Republic of Sierra Leone</source>
        <translatorcomment>ISO 3166-1 SL, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Sierra Leone</translation>
    </message>
    <message>
        <source>Republic of San Marino</source>
        <translatorcomment>ISO 3166-1 SM, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik San Marino</translation>
    </message>
    <message>
        <source>Republic of Senegal</source>
        <translatorcomment>ISO 3166-1 SN, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Senegal</translation>
    </message>
    <message>
        <source>Federal Republic of Somalia</source>
        <translatorcomment>ISO 3166-1 SO, from iso-codes 4.15.0</translatorcomment>
        <translation>Bundesrepublik Somalia</translation>
    </message>
    <message>
        <source>Republic of Suriname</source>
        <translatorcomment>ISO 3166-1 SR, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Suriname</translation>
    </message>
    <message>
        <source>Syrian Arab Republic</source>
        <translatorcomment>ISO 3166-1 SY, from iso-codes 4.15.0</translatorcomment>
        <translation>Syrien, Arabische Republik</translation>
    </message>
    <message>
        <source>Eswatini</source>
        <translatorcomment>ISO 3166-1 SZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Eswatini</translation>
    </message>
    <message>
        <source>Kingdom of Eswatini</source>
        <translatorcomment>ISO 3166-1 SZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Eswatini</translation>
    </message>
    <message>
        <source>Republic of Chad</source>
        <translatorcomment>ISO 3166-1 TD, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Tschad</translation>
    </message>
    <message>
        <source>Togolese Republic</source>
        <translatorcomment>ISO 3166-1 TG, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Togo</translation>
    </message>
    <message>
        <source>Kingdom of Thailand</source>
        <translatorcomment>ISO 3166-1 TH, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Thailand</translation>
    </message>
    <message>
        <source>Republic of Tajikistan</source>
        <translatorcomment>ISO 3166-1 TJ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Tadschikistan</translation>
    </message>
    <message>
        <source>Timor-Leste</source>
        <translatorcomment>ISO 3166-1 TL, from iso-codes 4.15.0</translatorcomment>
        <translation>Timor-Leste</translation>
    </message>
    <message>
        <source>Democratic Republic of Timor-Leste</source>
        <translatorcomment>ISO 3166-1 TL, from iso-codes 4.15.0</translatorcomment>
        <translation>Demokratische Republik Timor-Leste</translation>
    </message>
    <message>
        <source>Republic of Tunisia</source>
        <translatorcomment>ISO 3166-1 TN, from iso-codes 4.15.0</translatorcomment>
        <translation>Tunesische Republik</translation>
    </message>
    <message>
        <source>Tonga</source>
        <translatorcomment>ISO 3166-1 TO, from iso-codes 4.15.0</translatorcomment>
        <translation>Tonga</translation>
    </message>
    <message>
        <source>Kingdom of Tonga</source>
        <translatorcomment>ISO 3166-1 TO, from iso-codes 4.15.0</translatorcomment>
        <translation>Königreich Tonga</translation>
    </message>
    <message>
        <source>Türkiye</source>
        <translatorcomment>ISO 3166-1 TR, from iso-codes 4.15.0</translatorcomment>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Republic of Türkiye</source>
        <translatorcomment>ISO 3166-1 TR, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Türkei</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translatorcomment>ISO 3166-1 TT, from iso-codes 4.15.0</translatorcomment>
        <translation>Trinidad und Tobago</translation>
    </message>
    <message>
        <source>Republic of Trinidad and Tobago</source>
        <translatorcomment>ISO 3166-1 TT, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Trinidad und Tobago</translation>
    </message>
    <message>
        <source>Taiwan, Province of China</source>
        <translatorcomment>ISO 3166-1 TW, from iso-codes 4.15.0</translatorcomment>
        <translation>Taiwan, Chinesische Provinz</translation>
    </message>
    <message>
        <source>Tanzania, United Republic of</source>
        <translatorcomment>ISO 3166-1 TZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Tansania, Vereinigte Republik</translation>
    </message>
    <message>
        <source>United Republic of Tanzania</source>
        <translatorcomment>ISO 3166-1 TZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigte Republik Tansania</translation>
    </message>
    <message>
        <source>Republic of Uganda</source>
        <translatorcomment>ISO 3166-1 UG, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Uganda</translation>
    </message>
    <message>
        <source>United States</source>
        <translatorcomment>ISO 3166-1 US, from iso-codes 4.15.0</translatorcomment>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Eastern Republic of Uruguay</source>
        <translatorcomment>ISO 3166-1 UY, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Östlich des Uruguay</translation>
    </message>
    <message>
        <source>Republic of Uzbekistan</source>
        <translatorcomment>ISO 3166-1 UZ, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Usbekistan</translation>
    </message>
    <message>
        <source>Holy See (Vatican City State)</source>
        <translatorcomment>ISO 3166-1 VA, from iso-codes 4.15.0</translatorcomment>
        <translation>Heiliger Stuhl (Staat Vatikanstadt)</translation>
    </message>
    <message>
        <source>Saint Vincent and the Grenadines</source>
        <translatorcomment>ISO 3166-1 VC, from iso-codes 4.15.0</translatorcomment>
        <translation>St. Vincent und die Grenadinen</translation>
    </message>
    <message>
        <source>Venezuela, Bolivarian Republic of</source>
        <translatorcomment>ISO 3166-1 VE, from iso-codes 4.15.0</translatorcomment>
        <translation>Venezuela, Bolivarische Republik</translation>
    </message>
    <message>
        <source>Bolivarian Republic of Venezuela</source>
        <translatorcomment>ISO 3166-1 VE, from iso-codes 4.15.0</translatorcomment>
        <translation>Bolivarische Republik Venezuela</translation>
    </message>
    <message>
        <source>Virgin Islands, British</source>
        <translatorcomment>ISO 3166-1 VG, from iso-codes 4.15.0</translatorcomment>
        <translation>Britische Jungferninseln</translation>
    </message>
    <message>
        <source>Virgin Islands, U.S.</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>Amerikanische Jungferninseln</translation>
    </message>
    <message>
        <source>Virgin Islands of the United States</source>
        <translatorcomment>ISO 3166-1 VI, from iso-codes 4.15.0</translatorcomment>
        <translation>Amerikanische Jungferninseln</translation>
    </message>
    <message>
        <source>Viet Nam</source>
        <translatorcomment>ISO 3166-1 VN, from iso-codes 4.15.0</translatorcomment>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>Socialist Republic of Viet Nam</source>
        <translatorcomment>ISO 3166-1 VN, from iso-codes 4.15.0</translatorcomment>
        <translation>Sozialistische Republik Vietnam</translation>
    </message>
    <message>
        <source>Republic of Vanuatu</source>
        <translatorcomment>ISO 3166-1 VU, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Vanuatu</translation>
    </message>
    <message>
        <source>Republic of Yemen</source>
        <translatorcomment>ISO 3166-1 YE, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Jemen</translation>
    </message>
    <message>
        <source>Mayotte</source>
        <translatorcomment>ISO 3166-1 YT, from iso-codes 4.15.0</translatorcomment>
        <translation>Mayotte</translation>
    </message>
    <message>
        <source>Yugoslavia, (Socialist) Federal Republic of</source>
        <translatorcomment>ISO 3166-3 YUCS, from iso-codes 4.15.0</translatorcomment>
        <translation>Jugoslawien, (Sozialistische) Föderative Republik</translation>
    </message>
    <message>
        <source>Republic of South Africa</source>
        <translatorcomment>ISO 3166-1 ZA, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Südafrika</translation>
    </message>
    <message>
        <source>Republic of Zambia</source>
        <translatorcomment>ISO 3166-1 ZM, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Sambia</translation>
    </message>
    <message>
        <source>Republic of Zimbabwe</source>
        <translatorcomment>ISO 3166-1 ZW, from iso-codes 4.15.0</translatorcomment>
        <translation>Republik Simbabwe</translation>
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
        <translation></translation>
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
        <translation></translation>
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
        <translation></translation>
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
        <translation>Weißrussland</translation>
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
        <translation></translation>
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
        <translation>Kapverden</translation>
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
        <translation>Republik Kongo|Kongo-Brazzaville</translation>
    </message>
    <message>
        <source>Congo (Zaire)|DR Congo|DRC|Democratic Republic of the Congo|Congo-Kinshasa</source>
        <translation>DR Kongo|Kongo-Kinshasa|Zaire</translation>
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
        <translation>Tschechische Republik</translation>
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
        <translation>Osttimor</translation>
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
        <translation></translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translation></translation>
    </message>
    <message>
        <source>French Polynesia</source>
        <translation></translation>
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
        <translation></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>BRD</translation>
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
        <translation></translation>
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
        <translation>Elfenbeinküste</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation></translation>
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
        <translation>Demokratische Volksrepublik Korea</translation>
    </message>
    <message>
        <source>Korea (South)|Republic of Korea</source>
        <translation>Republik Korea</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation></translation>
    </message>
    <message>
        <source>Kyrgyz Republic</source>
        <translation>Kirgisien|Kirgistan</translation>
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
        <translation>Mazedonien</translation>
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
        <translation></translation>
    </message>
    <message>
        <source>Moldova</source>
        <translation>Moldawien|Republik Moldau</translation>
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
        <translation>Birma|Burma</translation>
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
        <translation>Holland</translation>
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
        <translation>Russland</translation>
    </message>
    <message>
        <source>Rwanda</source>
        <translation></translation>
    </message>
    <message>
        <source>St.Helena|Saint Helena|St. Helena|St Helena</source>
        <translation>Sankt Helena</translation>
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
        <translation>Slowakische Republik</translation>
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
        <translation>Swasiland</translation>
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
        <translation></translation>
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
        <translation>VAE|Emirate</translation>
    </message>
    <message>
        <source>United Kingdom|UK|Britain|Great Britain|England|Scotland|Wales|Northern Ireland</source>
        <translation>England|Großbritannien|Britannien|UK|Schottland|Wales|Nordirland</translation>
    </message>
    <message>
        <source>United States of America|USA|US|America|United States|U.S.A.</source>
        <translation>USA|US|Amerika|Vereinigte Staaten von Amerika</translation>
    </message>
    <message>
        <source>USVirgin Islands|US Virgin Islands|U.S. Virgin Islands</source>
        <translation></translation>
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
        <translation>Vatikan|Heiliger Stuhl</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation></translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation></translation>
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
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Unit Converter</source>
        <translation>Einheitenumrechner</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Ländervorwahl</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Wave File Analyzer</source>
        <translation>Wave-Datei-Analyse</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>    Kelvorn R&amp;D presents.... </source>
        <extracomment>The greeting under the menu; the blanks in front place it as designed.</extracomment>
        <translation>    Kelvorn R&amp;D zeigt.... </translation>
    </message>
</context>
<context>
    <name>UConv</name>
    <message>
        <source>Unit Converter</source>
        <translation>Einheitenumrechner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A button&apos;s spoken name: %1 its caption (Convert, Clear), %2 the category it acts on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Length/Distance</source>
        <translation>Länge/Entfernung</translation>
    </message>
    <message>
        <source>length/distance</source>
        <translation>Länge/Entfernung</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperatur</translation>
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
        <translation>Zoll</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>mile</source>
        <translation>Meile</translation>
    </message>
    <message>
        <source>         {feet           +          inch}</source>
        <extracomment>One caption over two boxes, &quot;feet&quot; over the left one and &quot;inch&quot; over the right; the blanks place the words over their boxes.</extracomment>
        <translation>          {Fuß             +            Zoll}</translation>
    </message>
    <message>
        <source>feet + inch, feet</source>
        <translation>Fuß + Zoll, Fuß</translation>
    </message>
    <message>
        <source>feet + inch, inch</source>
        <translation>Fuß + Zoll, Zoll</translation>
    </message>
    <message>
        <source>sq. m</source>
        <extracomment>Square metre.</extracomment>
        <translation>m²</translation>
    </message>
    <message>
        <source>sq. km</source>
        <extracomment>Square kilometre.</extracomment>
        <translation>km²</translation>
    </message>
    <message>
        <source>Tsubo</source>
        <extracomment>Traditional Japanese unit of area (坪).</extracomment>
        <translation>Tsubo</translation>
    </message>
    <message>
        <source>sq. ft</source>
        <extracomment>Square foot.</extracomment>
        <translation>ft²</translation>
    </message>
    <message>
        <source>sq. yd</source>
        <extracomment>Square yard.</extracomment>
        <translation>yd²</translation>
    </message>
    <message>
        <source>ha</source>
        <extracomment>Hectare.</extracomment>
        <translation>ha</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>Acre</translation>
    </message>
    <message>
        <source>litter</source>
        <extracomment>The litre; spelt &quot;litter&quot; as designed.</extracomment>
        <translation>Liter</translation>
    </message>
    <message>
        <source>gallon</source>
        <translation>Gallone</translation>
    </message>
    <message>
        <source>quart</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>Pint</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>Flüssigunze</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>Traditional Japanese unit of volume (合), not the verb.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>Sho</source>
        <extracomment>Traditional Japanese unit of volume (升).</extracomment>
        <translation>Sho</translation>
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
        <translation>Unze</translation>
    </message>
    <message>
        <source>lb</source>
        <extracomment>Pound (weight).</extracomment>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Degrees of Celcius</source>
        <extracomment>Spelt &quot;Celcius&quot; as designed.</extracomment>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>Degrees of Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Rechnen</translation>
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
        <translation>Funktion:
 Nach Eingabe von einem oder zwei Zahlenwerten in die Felder
und einem Klick auf &lt;Rechnen&gt; erscheinen die in jede Einheit
umgerechneten Werte gleichzeitig in allen Feldern.

 Die fünf Bereiche Länge/Entfernung (1D), Fläche (2D), Volumen
(3D), Gewicht und Temperatur sind voneinander unabhängig.

 Unter Länge/Entfernung rechnet {Fuß + Zoll} die Körpergröße
bequem in &lt;cm&gt; um und zurück.


Beispiele:
(A) Länge/Entfernung
  180 in das Feld &lt;cm&gt; eingeben und &lt;Rechnen&gt; klicken.

(B) Länge/Entfernung
  5 Fuß 11 Zoll in {Fuß + Zoll} eingeben und &lt;Rechnen&gt; klicken.
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
        <translation>Zoll</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>mile</source>
        <translation>Meile</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>sq. m</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>sq. km</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>tsubo</source>
        <translation>Tsubo</translation>
    </message>
    <message>
        <source>sq. ft</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>sq. yd</source>
        <translation>Quadratyard</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>Acre</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>Acres</translation>
    </message>
    <message>
        <source>litre</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>gallon</source>
        <translation>Gallone</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>quart</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>quarts</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>Pint</translation>
    </message>
    <message>
        <source>pints</source>
        <translation>Pints</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>Flüssigunze</translation>
    </message>
    <message>
        <source>fluid ounces</source>
        <translation>Flüssigunzen</translation>
    </message>
    <message>
        <source>go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>sho</source>
        <translation>Sho</translation>
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
        <translation>Unze</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>degrees Fahrenheit = degrees Celsius × %1 ÷ %2 + %3</source>
        <translation>Grad Fahrenheit = Grad Celsius × %1 ÷ %2 + %3</translation>
    </message>
    <message>
        <source>degrees Celsius = (degrees Fahrenheit − %1) × %2 ÷ %3</source>
        <translation>Grad Celsius = (Grad Fahrenheit − %1) × %2 ÷ %3</translation>
    </message>
</context>
<context>
    <name>WavAnalMain</name>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source> KHz</source>
        <extracomment>Unit after the sampling frequency, with the blank before it; designed as &quot;KHz&quot;.</extracomment>
        <translation> kHz</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says for a value box that shows nothing yet.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Wave File Analyzer</source>
        <translation>Wave-Datei-Analyse</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Header Information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>Sampling frequency</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>Bit pro Sample</translation>
    </message>
    <message>
        <source>Invalid wave file format</source>
        <translation>Ungültiges Wave-Dateiformat</translation>
    </message>
</context>
</TS>
