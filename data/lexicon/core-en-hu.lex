# The core English-Hungarian lexicon, written for Lexiton. One entry a line:
#   English lemma <TAB> part of speech <TAB> Hungarian senses, commonest first, ";" between them
# The notes in brackets are explained in translator/src/lexicon_source.h. Nouns whose plural
# the rules miss give it ("ló[lovak]"); verbs mark a separable prefix with "|" ("be|csuk").
# Entries follow WordNet's tagged-sense frequencies (SemCor counts) for the commonest lemmas,
# plus the everyday words of the development corpus.
# --- nouns
apple	n	alma
bag	n	táska ; zsák[3sg=zsákja]
ball	n	labda ; bál[3sg=bálja]
bed	n	ágy[ágyak]
bench	n	pad[padok]
bird	n	madár[madarak]
boat	n	hajó ; csónak[3sg=csónakja]
book	n	könyv[könyvek]
bottle	n	üveg ; palack[3sg=palackja]
box	n	doboz
boy	n	fiú[fiúk,3sg=fia]
bread	n	kenyér[kenyerek]
breakfast	n	reggeli
bridge	n	híd[hidak,3sg=hídja]
brother	n	báty[bátyák,3sg=bátyja] ; fivér ; testvér
bus	n	busz[in=n,on=n]
cake	n	sütemény ; torta
car	n	autó ; kocsi
card	n	kártya
cat	n	macska
chair	n	szék[székek,on=ra]
child	n	gyerek[gyerekek] ; gyermek[gyermekek]
chocolate	n	csokoládé
cinema	n	mozi[to=ba]
city	n	város[városok]
class	n	osztály ; óra
classroom	n	osztályterem[osztálytermek]
coat	n	kabát[kabátok,3sg=kabátja]
coffee	n	kávé
computer	n	számítógép[számítógépek]
concert	n	koncert[to=ra,for=ra]
cook	n	szakács
country	n	ország ; vidék[vidékek]
cup	n	csésze
daughter	n	lány[lányok,3sg=lánya] ; leány
day	n	nap[napok,3sg=napja] ; nappal
desk	n	íróasztal[íróasztalok]
dinner	n	vacsora
dish	n	edény ; étel
doctor	n	orvos ; doktor
dog	n	kutya
door	n	ajtó[in=ban]
email	n	e-mail
evening	n	este
eye	n	szem[szemek]
face	n	arc[arcok]
family	n	család[családok]
father	n	apa[apák,3sg=apja]
fence	n	kerítés[kerítések]
field	n	mező[mezők,in=n] ; terület
film	n	film[filmek,3sg=filmje]
floor	n	emelet[emeletek] ; padló
flower	n	virág[virágok]
food	n	étel[ételek] ; élelem
football	n	foci ; labdarúgás
friday	n	péntek[péntekek,3sg=péntekje]
friend	n	barát[barátok,3sg=barátja] ; barátnő
fridge	n	hűtő ; hűtőszekrény
garden	n	kert[kertek]
gift	n	ajándék[ajándékok]
girl	n	lány[lányok] ; kislány
glass	n	pohár[poharak] ; üveg
grandparent	n	nagyszülő[nagyszülők,pp=nagyszülei]
hand	n	kéz[kezek,3sg=keze]
head	n	fej[fejek] ; vezető
home	n	otthon ; ház
horse	n	ló[lovak]
hospital	n	kórház[kórházak]
house	n	ház[házak] ; otthon
husband	n	férj[férjek]
job	n	munka ; állás
key	n	kulcs[kulcsok] ; billentyű
kitchen	n	konyha
lake	n	tó[tavak]
leg	n	láb[lábak,3sg=lába]
letter	n	levél[levelek] ; betű
life	n	élet[életek]
light	n	villany ; fény ; lámpa
london	n	london[name]
man	n	férfi[férfiak] ; ember[emberek]
meeting	n	megbeszélés[megbeszélések] ; találkozó ; értekezlet
message	n	üzenet[üzenetek]
milk	n	tej[tejek]
mirror	n	tükör[tükrök]
money	n	pénz[pénzek]
morning	n	reggel[reggelek] ; délelőtt
mother	n	anya[anyák,3sg=anyja]
music	n	zene
name	n	név[nevek] ; hírnév[hírnevek]
newspaper	n	újság ; napilap[3sg=napilapja]
night	n	éjszaka ; este
noon	n	dél[delek,at=ban]
nurse	n	ápoló ; nővér
office	n	iroda
park	n	park[parkok,3sg=parkja]
paris	n	párizs[name]
people	n	ember[emberek] ; nép
phone	n	telefon[telefonok,3sg=telefonja]
photo	n	fénykép[fényképek,3sg=fényképe] ; fotó
question	n	kérdés[kérdések]
answer	n	válasz[válaszok]
rain	n	eső
ring	n	gyűrű ; csengetés
river	n	folyó
roof	n	tető[tetők]
room	n	szoba ; hely
school	n	iskola[to=ba,at=ban]
shelf	n	polc[polcok]
ship	n	hajó
shoe	n	cipő
shop	n	bolt[boltok,to=ba] ; üzlet
sister	n	húg[húgok] ; nővér ; lánytestvér
sky	n	ég[egek,sup=égen,in=n]
son	n	fiú[fiúk,3sg=fia]
song	n	dal[dalok] ; ének
soup	n	leves
station	n	állomás[to=ra,at=on] ; pályaudvar
stone	n	kő[kövek]
stove	n	tűzhely[acc=tűzhelyet]
street	n	utca[in=n]
student	n	diák[diákok,3sg=diákja] ; hallgató
sun	n	nap[napok,3sg=napja]
sunday	n	vasárnap[vasárnapok,on=nom,3sg=vasárnapja]
table	n	asztal[asztalok,3sg=asztala] ; táblázat
tea	n	tea
teacher	n	tanár[tanárok] ; tanító
television	n	televízió ; tévé
ticket	n	jegy[jegyek]
time	n	idő[idők,3sg=ideje] ; alkalom[alkalmak]
train	n	vonat[vonatok]
tree	n	fa[fák,on=n,in=n]
umbrella	n	esernyő
village	n	falu[falvak]
wall	n	fal[falak]
wallet	n	pénztárca
water	n	víz[vizek]
way	n	út[utak,3sg=útja] ; mód
weather	n	idő[idők,3sg=ideje]
wife	n	feleség[feleségek]
window	n	ablak[ablakok,3sg=ablaka]
winter	n	tél[telek,for=ra]
woman	n	nő[nők] ; asszony
wood	n	fa ; erdő
word	n	szó[szavak]
work	n	munka[to=ba,at=ban] ; mű
world	n	világ[világok]
year	n	év[évek]
week	n	hét[hetek]
month	n	hónap[hónapok,3sg=hónapja]
hour	n	óra
minute	n	perc[percek]
city centre	n	belváros
aunt	n	nagynéni[nagynénik,front,poss=nagynéné,from=tol]
uncle	n	nagybácsi
parent	n	szülő[szülők,pp=szülei]
baby	n	baba ; kisbaba
body	n	test[testek,3sg=teste]
place	n	hely[helyek]
thing	n	dolog[dolgok]
part	n	rész[részek]
point	n	pont[pontok]
case	n	eset[esetek]
number	n	szám[számok]
road	n	út[utak,3sg=útja]
land	n	föld[földek]
idea	n	ötlet[ötletek]
story	n	történet[történetek]
game	n	játék[játékok]
picture	n	kép[képek]
paper	n	papír[papírok,3sg=papírja]
heart	n	szív[szívek]
budapest	n	budapest[name,from=rol,in=n]
# --- verbs
ask	v	meg|kérdez ; kér
be	v	van
become	v	lesz ; válik
begin	v	el|kezd[intr=kezdődik] ; kezdődik
break	v	el|tör ; össze|tör
bring	v	hoz ; el|hoz
build	v	épít ; fel|épít
buy	v	vesz ; vásárol
call	v	fel|hív ; hív
clean	v	ki|takarít ; tisztít
close	v	be|csuk[intr=zár] ; be|zár
come	v	jön[noobj] ; érkezik
cook	v	főz ; süt
cry	v	sír[noobj] ; kiált[noobj]
do	v	csinál ; tesz
drink	v	iszik ; meg|iszik
drive	v	vezet ; autózik
eat	v	eszik ; meg|eszik
find	v	talál ; meg|talál
forget	v	el|felejt
get	v	kap ; szerez
give	v	ad[to=nak] ; oda|ad
go	v	megy[noobj] ; jár[noobj]
help	v	segít[obj=nak]
have	v	van
hear	v	hall ; meg|hall
know	v	tud ; ismer
learn	v	tanul[obj=ul] ; meg|tanul
leave	v	el|hagy[intr=indul] ; el|megy
like	v	szeret ; kedvel
live	v	lakik ; él[noobj]
look	v	néz[at=acc] ; keres
lose	v	el|veszt ; veszít
love	v	szeret
make	v	készít ; csinál
meet	v	találkozik[obj=val] ; meg|ismer
need	v	szükség[obj=ra] ; kell[noobj]
open	v	ki|nyit[intr=nyit] ; nyit
play	v	játszik ; szerepel
put	v	tesz[in=ba,on=ra] ; rak
read	v	olvas ; el|olvas
remember	v	emlékszik[obj=ra] ; emlékez
run	v	fut[noobj] ; szalad[noobj]
say	v	mond ; szól
see	v	lát ; meg|néz
sell	v	el|ad
send	v	küld[to=nak] ; el|küld
shine	v	süt[noobj] ; ragyog
sing	v	énekel
sit	v	ül[noobj] ; le|ül[noobj]
sleep	v	alszik
speak	v	beszél[obj=ul]
start	v	el|kezd[intr=kezdődik] ; indul
stay	v	marad[noobj]
stop	v	el|áll[noobj] ; meg|áll[noobj]
take	v	visz ; vesz
talk	v	beszél[noobj] ; beszélget
tell	v	mond ; el|mond
think	v	gondol ; hisz
touch	v	nyúl[obj=hoz] ; meg|érint
turn off	v	le|kapcsol ; ki|kapcsol
turn on	v	fel|kapcsol ; be|kapcsol
understand	v	ért ; meg|ért
visit	v	meg|látogat ; látogat
wait	v	vár[for=ra]
walk	v	sétál[noobj] ; gyalogol[noobj]
want	v	akar ; kér
wash	v	meg|mos ; mos
watch	v	néz ; figyel
work	v	dolgozik ; működik
write	v	ír[to=nak] ; meg|ír
skiing	n	síelés
bark	v	ugat[noobj]
stand	v	áll[noobj]
fly	v	repül[noobj]
swim	v	úszik
pay	v	fizet ; ki|fizet
show	v	mutat ; meg|mutat
try	v	próbál ; meg|próbál
use	v	használ
feel	v	érez
keep	v	tart ; meg|tart
hold	v	tart ; fog
move	v	költözik[noobj]
# --- adjectives
beautiful	adj	gyönyörű ; szép
big	adj	nagy[nagyok]
blue	adj	kék
clean	adj	tiszta
closed	adj	zárva[van] ; zárt
cold	adj	hideg
deep	adj	mély
difficult	adj	nehéz[nehezek]
empty	adj	üres
far	adj	messze[van] ; távoli
fresh	adj	friss
good	adj	jó[jók]
happy	adj	boldog[boldogok]
heavy	adj	nehéz[nehezek]
hot	adj	forró ; meleg
kind	adj	kedves
late	adj	késő
little	adj	kis[pred=kicsi] ; kicsi
long	adj	hosszú[hosszúak]
new	adj	új[újak]
nice	adj	szép ; kedves
old	adj	régi[régiek] ; öreg
open	adj	nyitva[van] ; nyitott
red	adj	piros ; vörös
second	adj	második
small	adj	kis[pred=kicsi] ; kicsi
strong	adj	erős
sweet	adj	édes
tall	adj	magas
tired	adj	fáradt
wide	adj	széles
young	adj	fiatal[fiatalok]
hungarian	adj	magyar
english	adj	angol
german	adj	német
great	adj	nagyszerű ; nagy
# --- adverbs and set phrases
again	adv	megint ; újra
always	adv	mindig
at home	adv	otthon
every day	adv	minden nap
every evening	adv	minden este
every morning	adv	minden reggel
here	adv	itt
home	adv	haza ; otthon
in the evening	adv	este
last year	adv	tavaly
late	adv	későn
never	adv	soha
now	adv	most
often	adv	gyakran
soon	adv	hamarosan
today	adv	ma
together	adv	együtt
tomorrow	adv	holnap
too	adv	túl ; is
very	adv	nagyon
yesterday	adv	tegnap
a little	adv	egy kicsit
on foot	adv	gyalog
by bus	adv	busszal
# --- numbers
one	num	egy
two	num	két
three	num	három
four	num	négy
five	num	öt
six	num	hat
seven	num	hét
eight	num	nyolc
nine	num	kilenc
ten	num	tíz
# --- languages, places and more of the commonest lemmas
english	n	angol[3sg=angolja]
hungarian	n	magyar[3sg=magyarja]
german	n	német[3sg=németje]
french	n	francia
flat	n	lakás[lakások]
kind	n	fajta
show	n	műsor ; előadás
change	n	változás[változások] ; apró
change	v	meg|változtat[intr=változik] ; cserél
turn	v	fordul ; fordít
fall	v	esik ; le|esik
draw	v	rajzol ; húz
catch	v	el|kap ; fog
carry	v	visz ; hord
follow	v	követ
return	v	vissza|tér[noobj] ; vissza|ad
end	n	vég[végek] ; befejezés
end	v	befejez[intr=végződik]
fire	n	tűz[tüzek] ; tűzvész
order	n	rendelés[rendelések] ; sorrend ; rend
order	v	rendel ; meg|rendel
sound	n	hang[hangok,3sg=hangja]
study	v	tanul
develop	v	fejleszt ; fejlődik
free	adj	szabad[szabadok] ; ingyenes
first	adj	első
hit	v	üt ; meg|üt
pull	v	húz
reach	v	el|ér
quiet	adj	csendes[csendesek]
side	n	oldal[oldalak,acc=oldalt,3sg=oldala]
walk	n	séta
fix	v	meg|javít
lock	v	be|zár
miss	v	le|késik[noobj]
offer	v	fel|ajánl ; kínál
save	v	meg|ment ; spórol
trust	v	bízik[obj=ban]
hard	adj	nehéz[nehezek] ; kemény
black	adj	fekete
dark	adj	sötét
help	n	segítség
practice	v	gyakorol
rule	n	szabály[szabályok]
grow	v	nő[noobj] ; termeszt
receive	v	kap ; meg|kap
answer	v	válaszol[obj=ra] ; felel
dream	n	álom[álmok]
drink	n	ital[italok]
hope	v	remél
invite	v	meg|hív
jump	v	ugrik
low	adj	alacsony[alacsonyak]
plan	n	terv[tervek]
quick	adj	gyors[gyorsak]
ready	adj	kész[készek]
accept	v	el|fogad
arrive	v	meg|érkezik
air	n	levegő
arm	n	kar[karok]
bank	n	bank[bankok,3sg=bankja] ; part
best	adj	legjobb
company	n	cég[cégek] ; társaság
die	v	meg|hal[noobj]
price	n	ár[árak]
rich	adj	gazdag[gazdagok]
short	adj	rövid
star	n	csillag[csillagok]
warm	adj	meleg[melegek]
easy	adj	könnyű[könnyűek]
only	adv	csak
just	adv	csak ; éppen
sure	adj	biztos
come back	v	vissza|jön
get up	v	fel|kel
give up	v	fel|ad ; abba|hagy
go out	v	ki|megy[noobj] ; el|megy[noobj]
go back	v	vissza|megy[noobj]
look for	v	keres
pick up	v	fel|vesz
put on	v	fel|vesz
sit down	v	le|ül[noobj]
stand up	v	fel|áll[noobj]
wake up	v	fel|ébred[noobj]
afternoon	n	délután[délutánok,3sg=délutánja]
bathroom	n	fürdőszoba
bicycle	n	kerékpár[kerékpárok,3sg=kerékpárja]
cheese	n	sajt[sajtok]
clothes	n	ruha
cow	n	tehén[tehenek]
dress	n	ruha
egg	n	tojás[tojások]
fish	n	hal[halak]
fruit	n	gyümölcs[gyümölcsök]
hair	n	haj[hajak]
hat	n	kalap[kalapok,3sg=kalapja]
holiday	n	szabadság ; ünnep
hotel	n	szálloda ; hotel
ice	n	jég[jegek]
ice cream	n	fagylalt
lunch	n	ebéd[ebédek]
market	n	piac[piacok,to=ra,at=on,in=on]
meat	n	hús[húsok]
moon	n	hold[holdak,3sg=holdja]
mountain	n	hegy[hegyek,on=n]
nose	n	orr[orrok]
pen	n	toll[tollak]
plate	n	tányér[tányérok]
restaurant	n	étterem[éttermek,to=ba]
salt	n	só[sók]
sea	n	tenger[tengerek]
shirt	n	ing[ingek]
snow	n	hó[havak]
sugar	n	cukor[cukrok]
summer	n	nyár[nyarak]
tooth	n	fog[fogak]
town	n	város[városok]
wine	n	bor[borok]
beer	n	sör[sörök]
monday	n	hétfő[hétfők]
saturday	n	szombat[szombatok,3sg=szombatja]
sad	adj	szomorú[szomorúak]
hungry	adj	éhes[éhesek]
busy	adj	elfoglalt
cheap	adj	olcsó[olcsók]
expensive	adj	drága
important	adj	fontos[fontosak]
interesting	adj	érdekes[érdekesek]
ill	adj	beteg[betegek]
bad	adj	rossz[rosszak]
white	adj	fehér[fehérek]
green	adj	zöld[zöldek]
yellow	adj	sárga
full	adj	tele ; teli
early	adv	korán
slowly	adv	lassan
quickly	adv	gyorsan
well	adv	jól
still	adv	még ; még mindig
already	adv	már
sometimes	adv	néha
usually	adv	általában
everything	n	minden
nothing	n	semmi
something	n	valami
next year	adv	jövőre
next week	adv	jövő héten
last week	adv	múlt héten
last night	adv	tegnap este
this morning	adv	ma reggel
this evening	adv	ma este
# --- more of the commonest lemmas: verbs
allow	v	enged[obj=nak] ; meg|enged
add	v	hozzá|ad
agree	v	egyetért[noobj]
believe	v	hisz[obj=nak]
borrow	v	kölcsön|kér
choose	v	választ ; ki|választ
count	v	számol[noobj] ; meg|számol
cut	v	vág ; le|vág
dance	v	táncol[noobj]
decide	v	dönt[noobj] ; el|dönt
describe	v	le|ír
enjoy	v	élvez
explain	v	el|magyaráz ; magyaráz
fill	v	meg|tölt
finish	v	befejez ; be|fejez
hate	v	utál ; gyűlöl
hurry	v	siet[noobj]
kill	v	meg|öl
kiss	v	meg|csókol ; csókol
laugh	v	nevet[noobj]
lend	v	kölcsön|ad
listen	v	hallgat[to=acc] ; figyel
mean	v	jelent ; gondol
pack	v	be|csomagol ; csomagol
paint	v	fest ; ki|fest
plant	v	ültet ; el|ültet
promise	v	meg|ígér ; ígér
rest	v	pihen[noobj]
ride	v	lovagol[noobj] ; utazik
ring	v	csenget[noobj] ; cseng[noobj]
shout	v	kiabál[noobj] ; kiált[noobj]
shut	v	be|csuk[intr=zár] ; be|zár
snow	v	havazik
steal	v	el|lop ; lop
teach	v	tanít
thank	v	meg|köszön ; köszön
throw	v	dob ; el|dob
travel	v	utazik
wear	v	visel ; hord
win	v	nyer ; meg|nyer
wish	v	kíván
worry	v	aggódik
hide	v	el|rejt ; el|bújik
kick	v	rúg ; meg|rúg
lift	v	fel|emel
feed	v	etet ; meg|etet
knock	v	kopog[noobj] ; kopogtat
carry on	v	folytat
find out	v	ki|derít
put down	v	le|tesz
turn around	v	meg|fordul[noobj]
# nouns
animal	n	állat[állatok]
beach	n	strand[strandok,3sg=strandja,to=ra,on=on]
bedroom	n	hálószoba
bill	n	számla
blood	n	vér[vérek]
bone	n	csont[csontok]
building	n	épület[épületek]
butter	n	vaj[vajak]
button	n	gomb[gombok,3sg=gombja]
camera	n	fényképezőgép[fényképezőgépek]
candle	n	gyertya
carpet	n	szőnyeg[szőnyegek]
chicken	n	csirke
church	n	templom[templomok,to=ba]
cloud	n	felhő
corner	n	sarok[sarkok]
cousin	n	unokatestvér[unokatestvérek]
customer	n	vásárló ; ügyfél[ügyfelek]
dentist	n	fogorvos[fogorvosok]
driver	n	sofőr[sofőrök,3sg=sofőrje] ; vezető
ear	n	fül[fülek,acc=fület]
earth	n	föld[földek] ; talaj[acc=talajt]
exam	n	vizsga
fork	n	villa
garage	n	garázs[garázsok]
glove	n	kesztyű
gold	n	arany[aranyak]
grass	n	fű[füvek]
guest	n	vendég[vendégek]
hill	n	domb[dombok,3sg=dombja,on=n]
history	n	történelem[történelmek] ; történet
hole	n	lyuk[lyukak]
homework	n	házi feladat
island	n	sziget[szigetek,on=n,in=n]
jacket	n	dzseki ; kabát[kabátok,3sg=kabátja]
knife	n	kés[kések]
language	n	nyelv[nyelvek]
lesson	n	óra ; lecke
library	n	könyvtár[könyvtárak,3sg=könyvtára]
map	n	térkép[térképek]
medicine	n	gyógyszer[gyógyszerek]
mouth	n	száj[szájak]
neighbour	n	szomszéd[szomszédok]
orange	n	narancs[narancsok]
pair	n	pár[párok,3sg=párja]
party	n	buli ; párt[pártok]
passport	n	útlevél[útlevelek]
pocket	n	zseb[zsebek]
police	n	rendőrség[rendőrségek]
present	n	ajándék[ajándékok] ; jelen
problem	n	probléma ; gond
queen	n	királynő
king	n	király[királyok]
radio	n	rádió
rose	n	rózsa
sandwich	n	szendvics[szendvicsek]
sheep	n	birka ; juh[juhok]
shower	n	zuhany[zuhanyok] ; zápor
singer	n	énekes[énekesek]
size	n	méret[méretek]
skirt	n	szoknya
smile	n	mosoly[mosolyok]
soap	n	szappan[szappanok]
sock	n	zokni
sofa	n	kanapé
spoon	n	kanál[kanalak]
sport	n	sport[sportok]
square	n	tér[terek] ; négyzet
stamp	n	bélyeg[bélyegek]
sweater	n	pulóver[pulóverek]
swimming pool	n	uszoda
tent	n	sátor[sátrak]
taxi	n	taxi
tomato	n	paradicsom[paradicsomok]
towel	n	törölköző
tower	n	torony[tornyok]
traffic	n	forgalom[forgalmak]
trousers	n	nadrág[nadrágok,3sg=nadrágja]
vegetable	n	zöldség[zöldségek]
wind	n	szél[szelek]
wing	n	szárny[szárnyak]
wolf	n	farkas[farkasok]
writer	n	író
zoo	n	állatkert[állatkertek,to=ba]
# adjectives
boring	adj	unalmas
brave	adj	bátor[bátrak]
careful	adj	óvatos
clever	adj	okos
comfortable	adj	kényelmes
dangerous	adj	veszélyes
dead	adj	halott
delicious	adj	finom[finomak]
different	adj	különböző ; más
dry	adj	száraz
favourite	adj	kedvenc
friendly	adj	barátságos
funny	adj	vicces
high	adj	magas
honest	adj	őszinte
large	adj	nagy[nagyok]
lazy	adj	lusta
loud	adj	hangos
lucky	adj	szerencsés
narrow	adj	keskeny
nervous	adj	ideges
noisy	adj	zajos
poor	adj	szegény
pretty	adj	csinos
proud	adj	büszke
safe	adj	biztonságos
sharp	adj	éles
simple	adj	egyszerű[egyszerűek]
slow	adj	lassú[lassúak]
soft	adj	puha
strange	adj	furcsa
sunny	adj	napos
thin	adj	vékony
thick	adj	vastag[vastagok]
ugly	adj	csúnya
wet	adj	nedves ; vizes
wonderful	adj	csodálatos
wrong	adj	rossz[rosszak] ; helytelen
alone	adv	egyedül
outside	adv	kint
inside	adv	bent
upstairs	adv	fent
downstairs	adv	lent
# --- the rest of WordNet's two hundred commonest lemmas
pass	v	el|halad[noobj] ; át|ad
line	n	vonal[vonalak] ; sor[sorok]
set	v	beállít ; le|tesz
right	adv	jobbra ; pontosan
right	adj	helyes ; jobb
rise	v	emelkedik ; fel|kel[noobj]
cover	v	be|takar ; fed
clear	v	ki|tisztít ; tisztáz
clear	adj	világos ; tiszta
lead	v	vezet
support	n	támogatás[támogatások]
support	v	támogat
form	n	forma ; űrlap[űrlapok,3sg=űrlapja]
back	adv	vissza ; hátra
back	n	hát[hátak,3sg=háta] ; hátsó rész
charge	v	tölt ; fel|tölt
strike	v	üt ; meg|üt
center	n	központ[központok] ; közép[közepek]
drop	v	le|ejt ; el|ejt
force	n	erő ; kényszer
force	v	kényszerít
spread	v	terjed[noobj] ; szét|terít
beat	v	meg|ver ; legyőz
burn	v	ég[noobj] ; el|éget
figure	n	alak[alakok,3sg=alakja] ; szám[számok]
fit	v	passzol[noobj]
last	adj	utolsó ; múlt
mark	n	jel[jelek] ; jegy[jegyek]
position	n	helyzet[helyzetek] ; pozíció
raise	v	fel|emel ; emel
sign	n	tábla ; jel[jelek]
control	v	irányít
down	adv	le ; lent
level	n	szint[szintek]
release	v	el|enged ; ki|ad
roll	v	gurul[noobj] ; gurít
settle	v	rendez ; le|telepedik
stretch	v	nyújtózkodik ; ki|nyújt
swing	v	leng[noobj] ; lenget
deal	n	üzlet[üzletek] ; megállapodás
gain	v	nyer ; szerez
round	adj	kerek[kerekek]
separate	v	el|választ ; szétválaszt
solid	adj	szilárd
base	n	alap[alapok,3sg=alapja]
command	n	parancs[parancsok]
piece	n	darab[darabok,3sg=darabja]
view	n	kilátás[kilátások] ; nézet
reduce	v	csökkent
aim	n	cél[célok,3sg=célja]
bear	n	medve
blow	v	fúj
claim	v	állít
design	v	tervez
firm	n	cég[cégek]
ground	n	föld[földek] ; talaj[acc=talajt]
interest	n	érdeklődés ; kamat[kamatok]
measure	v	mér ; meg|mér
model	n	modell[modellek,acc=modellt,3sg=modellje] ; minta
press	n	sajtó
project	n	terv[tervek] ; projekt[projektek]
range	n	választék[választékok] ; tartomány[tartományok]
record	n	lemez[lemezek] ; feljegyzés
report	n	jelentés[jelentések] ; beszámoló
report	v	jelent ; be|jelent
sink	n	mosogató
spring	n	tavasz[tavaszok] ; forrás
stock	n	készlet[készletek]
subject	n	tantárgy[tantárgyak] ; téma
tie	n	nyakkendő
voice	n	hang[hangok,3sg=hangja]
extend	v	meg|hosszabbít
represent	v	képvisel
act	v	játszik
active	adj	aktív ; tevékeny
address	n	cím[címek]
better	adj	jobb[jobbak]
block	n	tömb[tömbök,3sg=tömbje] ; háztömb[háztömbök,3sg=háztömbje]
color	n	szín[színek]
colour	n	szín[színek]
cross	v	át|kel[noobj] ; keresztez
escape	v	el|menekül[noobj] ; meg|szökik
file	n	fájl[fájlok,acc=fájlt,3sg=fájlja] ; irat[iratok]
flow	v	folyik
interest	v	érdekel
note	v	meg|jegyez
trouble	v	zavar
