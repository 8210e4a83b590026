<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CcCode</name>
    <message>
        <source>International Telephone Country Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar item that opens the help at once; &quot;&amp;&quot; marks the access key.</extracomment>
        <translation type="unfinished">ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Country code</source>
        <extracomment>Caption of the frame around the whole window: the telephone country code (81 for Japan) that the window composes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source country</source>
        <extracomment>Label above the list of the countries a call is dialled from (161 pixels wide).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Source Country</source>
        <extracomment>Shown in the source list&apos;s field until a country is chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination country</source>
        <extracomment>Label above the list of the countries a call goes to (161 pixels wide).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Destination Country</source>
        <extracomment>Shown in the destination list&apos;s field until a country is chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial this number first </source>
        <extracomment>Label above the composed digits (113 pixels wide); they are dialled before the area code. The English ends in a blank; a translation need not.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Button that composes the digits to dial; only 49 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility function:
 Source country code, destination country code,
 and domestic long distance code enclosed by
 parenthesis, 011-81-(0)- in the example above,
 are generated based upon both source and destination
 country information given.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two); break the lines to fit and indent them by one blank. &quot;Source country code&quot; is the international access code dialled in the source country, as in the first paragraph.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples:
(A) International call (from USA to Japan)
  Dial 011-81-3-3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(B) Domestic long distance call (from outside of
  Tokyo, Japan to Tokyo, Japan)
  Dial 0-3-3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(C) Domestic local call (within Tokyo)
  Dial 3456-7890.</source>
        <extracomment>Help paragraph in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~ (tilde) denotes to wait until tone is returned.</source>
        <extracomment>Last line of the help, in a box 54 columns wide (a CJK character takes two).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Afghanistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>American Samoa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andorra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anguilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antigua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aruba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia (Voice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia (Fax)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia (Bulk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belarus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bermuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia (Entel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia (AES Communications)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia (Teledata)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia (Boliviatel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bosnia &amp; Herzegovina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botswana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil (Embratel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil (Intelig)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil (Mobile phones)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Virgin Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brunei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkina Faso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burundi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cape Verde Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cayman Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central African Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatham Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cocos-Keeling Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colombia (Orbitel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colombia (ETB/Mundo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colombia (Telecom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comoros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congo (Zaire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cook Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curaçao</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech Republic ()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diego Garcia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dominica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dominican Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East Timor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equatorial Guinea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faeroe Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falkland Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiji Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finland ()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France (France Telecom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France (Tele 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France (Omnicom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France (LE 7 Cegetel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France (9 Telecom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French Antilles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French Polynesia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gambia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gibraltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guadeloupe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guantanamo Bay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guinea-Bissau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guinea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong (HKCWT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong (New World)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong (Hutchison)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>India</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesia ()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ireland (North)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Israel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Israel (Golden Lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Israel (Barak)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Israel (Bezeq)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan (KDD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan (Myline/Myline Plus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan (Cable &amp; Wireless IDC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan (Japan Telecom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jordan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korea (North)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korea (South)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korea (South) ()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kyrgyz Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latvia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesotho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malawi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maldives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mali Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marshall Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Martinique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayotte Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midway Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moldova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montserrat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namibia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nauru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nepal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netherlands Antilles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nevis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Caledonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norfolk Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern Marianas Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palestine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Papua New Guinea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal (Rubicon/BT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto Rico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réunion Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rwanda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Helena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Kitts/Nevis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Lucia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Pierre &amp; Miquelon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Vincent &amp; Grenadines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (Singtel IDD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (MobileOne IDD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (Starhub IDD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (Singtel FaxPlus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (Singtel BudgetCall)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (Starhub I-Call)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore (Singtel V019)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sierra Leone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovak Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Somalia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sudan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swaziland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Togo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tokelau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonga Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinidad &amp; Tobago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuvalu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uganda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United Arab Emirates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United States of America</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Virgin Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vatican City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yemen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zanzibar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CapeVerde Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St.Helena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St.Kitts/Nevis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St.Lucia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St.Pierre &amp; Miquelon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St.Vincent &amp; Grenadines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USVirgin Islands</source>
        <translation type="unfinished"></translation>
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
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the converter&apos;s and the dialer&apos;s help windows.</extracomment>
        <translation>ヘルプ</translation>
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
        <translation>       {フィート       +        インチ}</translation>
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
