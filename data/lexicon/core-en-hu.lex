# The core English-Hungarian lexicon, written for Lexiton. One entry a line:
#   English lemma <TAB> part of speech <TAB> Hungarian senses, commonest first, ";" between them
# The notes in brackets are explained in lexicon/include/lexiton/lexicon/lexicon_source.h.
# Nouns whose plural the rules miss give it ("ló[lovak]"); verbs mark a separable prefix with
# "|" ("be|csuk").
# Entries follow WordNet's tagged-sense frequencies (SemCor counts) for the commonest lemmas,
# plus the everyday words of the development corpus.
# --- nouns
apple	n	alma
bag	n	táska ; zsák[3sg=zsákja]
ball	n	labda ; bál[3sg=bálja]
bed	n	ágy[ágyak] ; ágyás[when=flower/garden/vegetable/raised/rose/herb/strawberry/tulip]
bench	n	pad[padok]
bird	n	madár[madarak]
boat	n	hajó[by=val] ; csónak[3sg=csónakja]
book	n	könyv[könyvek]
bottle	n	üveg ; palack[3sg=palackja]
box	n	doboz ; négyzet[when=tick/check/untick/uncheck] ; mező[when=below/above/blank/empty/appropriate/relevant/required/following]
boy	n	fiú[fiúk,3sg=fiúja,person]
bread	n	kenyér[kenyerek]
breakfast	n	reggeli[for=ra]
bridge	n	híd[hidak,3sg=hídja]
brother	n	báty[bátyák,3sg=bátyja,person] ; fivér ; testvér[pl,person]
bus	n	busz[in=n,on=n]
cake	n	sütemény ; torta
car	n	autó ; kocsi
card	n	kártya[by=val]
cat	n	macska
chair	n	szék[székek,on=ra]
child	n	gyerek[gyerekek,person] ; gyermek[gyermekek]
chocolate	n	csokoládé
cinema	n	mozi[to=ba,at=ban]
city	n	város[városok,to=ba,attr=városi,at=ban]
class	n	osztály ; óra ; óra[when=attend/teach/skip/yoga/dance/art/music/english/maths/math/french/german/spanish/history/science/cooking/evening/online/fitness/swimming/exercise/drawing/piano/language/chemistry/physics/biology/geography/pe/hold/held]
classroom	n	osztályterem[osztálytermek]
coat	n	kabát[kabátok,3sg=kabátja]
coffee	n	kávé
computer	n	számítógép[számítógépek,attr=számítógépes]
concert	n	koncert[to=ra,for=ra,at=on]
cook	n	szakács[person]
country	n	ország[to=ba,attr=országos,at=ban] ; vidék[vidékek]
cup	n	csésze ; kupa[when=win/lift/lose/hold]
daughter	n	lány[lányok,3sg=lánya,person] ; leány
day	n	nap[napok,3sg=napja,time=n] ; nappal
desk	n	íróasztal[íróasztalok] ; pult[pultok,3sg=pultja,at=nal,from=nal,when=information/check/service/front/reception/registration/ticket/cash/customer/security/enquiry/enquiries/sales/hotel]
dinner	n	vacsora[for=ra,to=ra,at=n]
dish	n	edény ; étel
doctor	n	orvos[person] ; doktor
dog	n	kutya
door	n	ajtó[in=ban,3sg=ajtaja]
email	n	e-mail[front,3sg=e-mailje,pp=e-mailjei,by=ban]
evening	n	este[time=nom,attr=esti]
eye	n	szem[szemek,pair]
face	n	arc[arcok]
family	n	család[családok,attr=családi]
father	n	apa[apák,3sg=apja,person]
fence	n	kerítés[kerítések]
field	n	mező[mezők,in=n] ; terület
film	n	film[filmek,3sg=filmje] ; fólia[when=plastic/protective/cling]
floor	n	padló ; emelet[emeletek,when=first/second/third/fourth/fifth/sixth/seventh/eighth/ninth/tenth/top/upper/lower/ground/bottom/same/next/different/each/every/other]
flower	n	virág[virágok]
food	n	étel[ételek] ; élelem
football	n	foci ; labdarúgás
friday	n	péntek[péntekek,3sg=péntekje,time=n,attr=pénteki,for=ra]
friend	n	barát[barátok,3sg=barátja,pp=barátai,person] ; barátnő
fridge	n	hűtő ; hűtőszekrény
garden	n	kert[kertek,to=ba,attr=kerti,at=ban]
gift	n	ajándék[ajándékok]
girl	n	lány[lányok,person] ; kislány
glass	n	pohár[poharak] ; üveg ; üveg[when=broken/stained/safety/clear/frosted/tinted/bulletproof/recycled/piece/sheet/pane] ; szemüveg[szemüvegek,pair,pl,when=wear/reading/new/dark/prescription/sun/thick/spare]
grandparent	n	nagyszülő[nagyszülők,pp=nagyszülei,person]
hand	n	kéz[kezek,3sg=keze,pair]
head	n	fej[fejek] ; vezető
home	n	otthon ; ház ; lakás[when=build/affordable/social/council]
horse	n	ló[lovak]
hospital	n	kórház[kórházak,to=ba,attr=kórházi,at=ban]
house	n	ház[házak,to=ba] ; otthon
husband	n	férj[férjek,person]
job	n	munka ; állás ; állás[when=apply/offer/accept/interview/vacant/permanent/temporary/quit/advert/advertisement/advertise/applicant/applicants] ; munkahely[munkahelyek,acc=munkahelyet,when=cut/create/save/thousands/hundreds]
key	n	kulcs[kulcsok] ; billentyű ; billentyű[when=press/hit/escape/shift/tab/space/arrow/function/delete/control/enter]
kitchen	n	konyha[to=ba,attr=konyhai,at=ban]
lake	n	tó[tavak]
leg	n	láb[lábak,3sg=lába,pair]
letter	n	levél[levelek] ; betű ; betű[when=capital/small/bold/block/initial/lowercase/uppercase/big/single/missing]
life	n	élet[életek]
light	n	fény ; villany[when=on/off/switch/turn] ; lámpa ; lámpa[when=street/traffic/brake/warning/reading/bedside/ceiling/kitchen/headlight/tail/bicycle/bike/flashing/red/green/amber]
light	adj	könnyű ; világos ; gyenge[when=rain/wind/breeze/shower] ; világos[when=colour/color/room/hair/skin/wood/shade/sky/background/dress] ; gyér[when=traffic] ; kis[when=aircraft/plane/aeroplane/airplane]
light	v	meg|gyújt ; meg|világít
london	n	london[name]
man	n	férfi[férfiak,person] ; ember[emberek]
meeting	n	megbeszélés[megbeszélések,to=ra,at=on] ; találkozó ; értekezlet
message	n	üzenet[üzenetek]
milk	n	tej[tejek]
mirror	n	tükör[tükrök]
money	n	pénz[pénzek]
morning	n	reggel[reggelek,time=nom,attr=reggeli] ; délelőtt
mother	n	anya[anyák,3sg=anyja,person]
music	n	zene
name	n	név[nevek] ; hírnév[hírnevek]
newspaper	n	újság ; napilap[3sg=napilapja]
night	n	éjszaka[time=nom,attr=éjszakai] ; este
noon	n	dél[delek,at=ban,time=ban]
nurse	n	ápoló[person] ; nővér
office	n	iroda[to=ba,at=ban]
park	n	park[parkok,3sg=parkja,to=ba,at=ban]
park	v	parkol[noobj] ; le|parkol
paris	n	párizs[name]
people	n	ember[emberek,person] ; nép
phone	n	telefon[telefonok,3sg=telefonja,by=n]
photo	n	fénykép[fényképek,3sg=fényképe] ; fotó
question	n	kérdés[kérdések]
answer	n	válasz[válaszok]
rain	n	eső
ring	n	gyűrű ; csengetés
river	n	folyó
roof	n	tető[tetők,3sg=teteje,to=ra,at=on]
room	n	szoba[to=ba,at=ban] ; hely[helyek,acc=helyet]
school	n	iskola[to=ba,at=ban,attr=iskolai]
shelf	n	polc[polcok]
ship	n	hajó
shoe	n	cipő[pair]
shop	n	bolt[boltok,to=ba,at=ban] ; üzlet
sister	n	húg[húgok,person] ; nővér ; lánytestvér
sky	n	ég[egek,sup=égen,in=n]
son	n	fiú[fiúk,3sg=fia,person]
song	n	dal[dalok] ; ének
soup	n	leves
station	n	állomás[to=ra,at=on] ; pályaudvar
stone	n	kő[kövek]
stove	n	tűzhely[acc=tűzhelyet]
street	n	utca[in=n,to=ra,from=rol]
student	n	diák[diákok,3sg=diákja,person] ; hallgató
sun	n	nap[napok,3sg=napja]
sunday	n	vasárnap[vasárnapok,on=nom,3sg=vasárnapja,time=nom,attr=vasárnapi,for=ra]
table	n	asztal[asztalok,3sg=asztala] ; táblázat ; táblázat[when=periodic/following/below/above/summary/data]
tea	n	tea
teacher	n	tanár[tanárok,person] ; tanító
television	n	televízió[on=ban] ; tévé[on=ban]
ticket	n	jegy[jegyek]
time	n	idő[idők,3sg=ideje] ; alkalom[alkalmak,3sg=alkalma,when=first/second/third/fourth/fifth/last/next/every/each]
train	n	vonat[vonatok]
tree	n	fa[fák,on=n,in=n]
umbrella	n	esernyő
village	n	falu[falvak,acc=falut,to=ba,attr=falusi,at=ban]
wall	n	fal[falak]
wallet	n	pénztárca
water	n	víz[vizek]
water	v	meg|öntöz ; locsol
way	n	út[utak,3sg=útja] ; mód
weather	n	idő[idők,3sg=ideje]
wife	n	feleség[feleségek,person]
window	n	ablak[ablakok,3sg=ablaka]
shop window	n	kirakat[kirakatok]
winter	n	tél[telek,for=ra,time=n,attr=téli]
woman	n	nő[nők,person] ; asszony
wood	n	fa ; erdő
word	n	szó[szavak,acc=szót,3sg=szava]
work	n	munka[to=ba,at=ban] ; mű
world	n	világ[világok]
year	n	év[évek,time=ban,attr=évi]
week	n	hét[hetek,time=n,attr=heti]
month	n	hónap[hónapok,3sg=hónapja,time=ban,attr=havi]
hour	n	óra
minute	n	perc[percek] ; perc[percek,when=of] ; jegyzőkönyv[jegyzőkönyvek,pl,when=meeting/board/council/committee/session/hearing/conference]
city centre	n	belváros
aunt	n	nagynéni[nagynénik,front,poss=nagynéné,from=tol,person]
uncle	n	nagybácsi[person]
parent	n	szülő[szülők,pp=szülei,person]
baby	n	baba[person] ; kisbaba
body	n	test[testek,3sg=teste]
place	n	hely[helyek,acc=helyet,in=n,at=n]
thing	n	dolog[dolgok]
part	n	rész[részek] ; alkatrész[alkatrészek,when=order/spare/replace/replacement/car/missing/broken/faulty/new/original/engine/bike/bicycle/machine]
point	n	pont[pontok]
case	n	eset[esetek] ; ügy[ügyek,when=court/criminal/legal/civil/murder/fraud/corruption/hear/investigate/solve/dismiss/reopen/win/lose/handle/close/prosecute/settle] ; tok[tokok,3sg=tokja,when=phone/glasses/camera/guitar/laptop/leather]
number	n	szám[számok]
road	n	út[utak,3sg=útja,to=ra,in=n]
land	n	föld[földek]
idea	n	ötlet[ötletek]
story	n	történet[történetek]
game	n	játék[játékok]
picture	n	kép[képek]
paper	n	papír[papírok,3sg=papírja] ; újság[when=read/daily/local/morning/national/sunday/evening/weekly] ; dolgozat[dolgozatok,when=write/submit/research/publish/academic/scientific/term/exam/test/mark/unmarked/marked/grade]
heart	n	szív[szívek]
budapest	n	budapest[name,from=rol,in=n,to=ra]
# --- verbs
ask	v	meg|kérdez ; meg|kérdez[when=wh,obj=tol] ; kér ; fel|tesz[when=question] ; kér[when=favour/favor/permission/help/advice/forgiveness/information/refund/receipt/price]
be	v	van
become	v	lesz[obj=nom] ; válik
begin	v	el|kezd[intr=kezdődik] ; kezdődik
break	v	el|tör ; össze|tör ; meg|szeg[when=law/rule/promise/agreement/contract/treaty/oath/vow/ceasefire/truce/word/curfew/embargo/deal/pledge/regulation] ; meg|dönt[when=record] ; közöl[to=nak,when=news] ; meg|tör[when=silence/spell/deadlock/tradition/routine/ice] ; fel|tör[when=code/lock/safe/seal] ; ki|tör[noobj,when=scandal/storm/war/fire/riot/fighting/violence/row/crisis/epidemic/panic/chaos/rebellion/revolution/unrest/protest/thunderstorm]
bring	v	hoz[perf=el] ; el|hoz
build	v	épít ; fel|épít
buy	v	vesz[perf=meg] ; vásárol
call	v	fel|hív ; hív ; huhog[noobj,when=owl] ; ki|ír[when=election/referendum/vote] ; össze|hív[when=meeting/conference/summit/session/assembly] ; hív[when=doctor/ambulance/police/taxi/cab/firefighter/plumber/help/security/nurse] ; hirdet[when=strike/ceasefire/truce]
clean	v	meg|tisztít[intr=takarít] ; ki|takarít[when=room/house/flat/kitchen/bathroom/office/apartment/toilet/garage/home/bedroom/classroom/cellar/basement/attic/shed] ; tisztít
close	v	be|csuk[intr=be|zár] ; be|zár ; meg|szüntet[when=account] ; meg|köt[when=deal] ; le|zár[when=road/bridge/street/border/airport/runway/tunnel/motorway/highway/lane/route/airspace/crossing/section/area/line/railway/station/platform] ; be|zár[when=factory/shop/store/school/plant/office/restaurant/museum/business/branch/mine/hospital/library/pub/bar/club/company/bank/prison/program/programme/app/application/tab/file/browser/document/menu]
come	v	jön[noobj] ; érkezik
cook	v	főz[perf=meg] ; süt
cry	v	sír[noobj] ; kiált[noobj]
do	v	csinál[perf=meg] ; tesz ; végez[when=research/work/job/task/survey/experiment/analysis/exercise/duty/study] ; tesz[when=favour/favor] ; okoz[when=damage/harm]
drink	v	iszik[perf=meg] ; meg|iszik
drive	v	vezet ; autózik
eat	v	eszik[perf=meg] ; meg|eszik
find	v	talál[perf=meg] ; meg|talál ; meg|állapít[when=that]
forget	v	el|felejt
get	v	kap ; szerez ; el|kap[when=flu/virus/infection/disease/cold] ; fog[when=taxi/cab]
give	v	ad[to=nak] ; oda|ad ; tart[to=nak,when=speech/talk/lecture/presentation/lesson/class/seminar/workshop] ; rendez[when=party/dinner]
go	v	megy[noobj] ; jár[noobj]
help	v	segít[obj=nak,with=ban]
have	v	van ; tart[when=party/barbecue/picnic/celebration/rehearsal/conference]
hear	v	hall[about=rol,from=tol] ; meg|hall ; tárgyal[when=case/appeal/evidence/testimony/lawsuit/complaint/petition]
know	v	tud ; ismer[person]
learn	v	tanul[obj=ul,perf=meg] ; meg|tanul ; meg|tud[when=that]
leave	v	el|hagy[intr=indul] ; el|megy ; hagy[when=message/note/tip/comment/review/mark/impression/voicemail/space/gap/trace/scar]
like	v	szeret ; kedvel
live	v	lakik ; él[noobj]
look	v	néz[at=acc] ; keres
lose	v	el|veszt ; veszít
love	v	szeret
make	v	készít ; ad[when=noise/sound] ; hoz[when=decision] ; el|követ[when=mistake/error/crime/offence/offense] ; keres[when=money/fortune/cash/dollar/pound/euro] ; tesz[when=promise/offer/effort/statement/comment/suggestion/proposal/step/remark/attempt/complaint/announcement/exception] ; köt[when=deal/agreement/contract/bargain/peace] ; végre|hajt[when=landing/attack/raid/arrest/manoeuvre/maneuver/adjustment/modification/change/search/transfer]
meet	v	találkozik[obj=val] ; meg|ismer ; meg|felel[obj=nak,when=requirement/need/demand/standard/criterion/expectation/condition/criteria] ; be|tart[when=deadline/target] ; fedez[when=cost/expense/bill]
need	v	szükség[obj=ra] ; kell[noobj]
open	v	ki|nyit[intr=ki|nyit] ; nyit ; nyit[when=account/fire] ; meg|nyit[when=file/document/app/application/program/link/page/attachment/tab/folder/browser/website/menu/exhibition/museum/conference/runway/road/bridge/airport/hospital/school/factory/branch/line/station/terminal/route/wing/stadium/centre/center/library/motorway/tunnel/plant/border/ward/unit/clinic/surgery/park/zoo/gallery/theatre/theater/cinema/hall/campus/pool/track/lane/lanes] ; ki|nyílik[noobj,when=door/window/gate/eye/flower/lid/parachute/umbrella/curtain/bud]
play	v	játszik ; szerepel ; játszik[obj=on,when=piano/guitar/violin/drum/instrument/cello/flute/trumpet/saxophone/keyboard] ; le|játszik[when=video/file/recording/track/clip/cd]
put	v	tesz[in=ba,on=ra] ; rak ; gyakorol[on=ra,when=pressure]
read	v	olvas[perf=el] ; el|olvas
remember	v	emlékszik[obj=ra,that=ra] ; emlékez[obj=ra,that=ra]
run	v	fut[noobj] ; tart[noobj,when=exhibition/show/festival/offer/sale/course/event/season/contract/production/play/campaign/promotion/series] ; vezet ; vezet[when=bakery/shop/business/company/hotel/restaurant/firm/cafe/farm/school/charity/pub] ; futtat[perf=le,when=test/program/script/app/application/software/code/scan/simulation] ; vállal[when=risk] ; fut[when=marathon/race/mile/kilometre/kilometer/lap] ; húzódik[noobj,when=road/path/river/railway/border/wall/fence/street/track/trail/line/pipe/cable]
say	v	mond[to=nak] ; szól
see	v	lát ; meg|néz ; el|megy[obj=hoz,when=doctor/dentist/gp/physician/specialist/optician/vet/nurse/pharmacist]
sell	v	el|ad[to=nak,for=ert]
send	v	küld[to=nak,perf=el] ; el|küld
shine	v	süt[noobj] ; ragyog
sing	v	énekel
sit	v	ül[noobj] ; le|ül[noobj] ; ír[perf=meg,when=exam/test/paper]
sleep	v	alszik
speak	v	beszél[obj=ul,to=val,with=val,about=rol]
start	v	el|kezd[intr=kezdődik] ; indul ; el|indít[when=machine/engine/car/computer/program/programme/app/application/device/motor/dishwasher/timer/game/business/company/campaign/service/project/investigation/inquiry] ; be|indul[noobj,when=engine/motor/generator/boiler/heating/mower/lawnmower/scooter/motorbike/motorcycle] ; el|indul[noobj,when=car/computer/laptop/machine/program/programme/app/application/device/dishwasher/train/bus/van/truck/lorry/tractor/washing/download/update]
stay	v	marad[noobj,past=maradt]
stop	v	meg|áll[noobj] ; meg|állít ; el|áll[noobj,when=rain/snow/wind/storm/bleeding/hail/shower/downpour/drizzle] ; abba|marad[noobj,when=music/noise/crying/shooting/fighting/singing/laughter/conversation/applause] ; le|áll[noobj,when=engine/machine/motor/production/system/server/heart/clock/watch/traffic/pump]
take	v	visz ; vesz ; be|vesz[when=tablet/pill/medicine/medication/capsule/dose/painkiller] ; készít[when=photo/picture/photograph/snapshot/selfie/note/screenshot] ; tart[obj=ig,when=second/minute/hour/day/week/month/year/ages] ; tesz[when=exam/oath] ; vállal[when=risk/responsibility/blame] ; el|fogad[when=card/cash/payment/cheque/check/booking/reservation/bribe]
talk	v	beszél[noobj,to=val,with=val,about=rol] ; beszélget
tell	v	mond[to=nak,perf=el] ; el|mond ; mesél[to=nak,perf=el,when=story/joke/tale/fairy] ; meg|mond[to=nak,when=truth/name/wh]
think	v	gondol[about=ra,of=ra] ; hisz
touch	v	nyúl[obj=hoz] ; meg|érint
turn off	v	le|kapcsol[state] ; ki|kapcsol ; el|zár[when=water/tap/gas/valve/stopcock/mains/main/pipe/hose]
turn on	v	fel|kapcsol[state] ; be|kapcsol
understand	v	ért[perf=meg] ; meg|ért
visit	v	meg|látogat ; látogat
wait	v	vár[for=ra]
walk	v	sétál[noobj] ; gyalogol[noobj]
want	v	akar ; kér
wash	v	meg|mos ; mos
watch	v	néz[perf=meg] ; figyel
work	v	dolgozik[thing=működik,for=nal] ; működik
write	v	ír[to=nak,perf=meg] ; meg|ír ; be|ír[when=name/address/password/code/pin/number/detail/surname/answer]
skiing	n	síelés
smoking	n	dohányzás
bark	v	ugat[at=acc,perf=meg]
stand	v	áll[noobj] ; bír
fly	v	repül[noobj]
swim	v	úszik
pay	v	fizet[for=ert,perf=ki] ; ki|fizet ; fordít[to=ra,when=attention] ; tesz[when=visit]
show	v	mutat[to=nak,perf=meg] ; meg|mutat[to=nak]
try	v	próbál ; meg|próbál
use	v	használ
feel	v	érez
keep	v	tart ; meg|tart ; be|tart[when=promise/rule/distance/deadline] ; vezet[when=diary/journal/record/log] ; meg|tart[when=change/receipt/ticket/secret/job/seat]
hold	v	tart ; lenyomva |tart[when=button/key/switch/trigger/pedal] ; fog ; be|tölt[when=position/post/office/seat] ; fog[when=hand] ; vissza|tart[when=breath] ; vall[when=view/belief/opinion] ; birtokol[when=passport/share/stake/licence/license/title]
move	v	költözik[noobj,thing=mozog] ; át|tesz[to=ra] ; mozgat[when=arm/leg/hand/finger/head/foot/toe/body/mouse/cursor/lip/muscle/shoulder/neck/knee] ; mozgat
# --- adjectives
beautiful	adj	gyönyörű ; szép
big	adj	nagy[nagyok]
blue	adj	kék
clean	adj	tiszta
closed	adj	zárva[van] ; zárt
cold	adj	hideg
deep	adj	mély
deep	adv	mélyen
difficult	adj	nehéz[nehezek]
empty	adj	üres
empty	v	ki|ürít[intr=ki|ürül]
far	adj	messze[van,from=tol] ; távoli
fresh	adj	friss
good	adj	jó[jók,at=ban]
happy	adj	boldog[boldogok,with=val] ; elégedett[with=val,when=with]
heavy	adj	nehéz[nehezek] ; heves[when=rain/rainfall/shower/storm/downpour/fighting/gunfire/shelling/snowfall/thunderstorm/bombing/snowstorm/blizzard/hailstorm/rainstorm] ; nagy[when=traffic/snow/demand/workload/congestion/queue/jam] ; súlyos[when=loss/casualty/damage/fine/penalty/defeat/blow/burden/sentence/injury/price/toll/cost] ; erős[when=smoker/drinker/accent/cold/drinking/smoking] ; sűrű[when=mist/cloud/fog/smoke]
hot	adj	forró ; meleg ; csípős[when=sauce/pepper/curry/chili/chilli/mustard/salsa/spice/paprika/wing] ; meleg[when=weather/day/summer/climate/country/night/afternoon/month/season/sun/meal/dinner/lunch/breakfast/food]
kind	adj	kedves[to=hoz]
late	adj	késői[pred=késő] ; késő
little	adj	kis[pred=kicsi] ; kicsi
long	adj	hosszú[hosszúak]
new	adj	új[újak]
nice	adj	szép ; kedves[person]
old	adj	régi[régiek] ; idős[person] ; öreg[person] ; öreg[when=tree/oak/dog/cat/horse/forest/woods] ; régi[régiek,when=rival/friend/enemy/colleague/classmate/acquaintance/partner/neighbour/teammate/flame]
open	adj	nyitott[pred=nyitva,van] ; nyitva[van]
red	adj	piros ; vörös
second	adj	második
small	adj	kis[pred=kicsi] ; kicsi
strong	adj	erős ; nagy[when=chance/possibility/likelihood/demand/interest/majority/lead] ; szilárd[when=evidence/foundation/position/base/commitment]
sweet	adj	édes
tall	adj	magas
tired	adj	fáradt
wide	adj	széles
young	adj	fiatal[fiatalok]
hungarian	adj	magyar
english	adj	angol
german	adj	német
great	adj	nagyszerű ; nagy ; nagy[nagyok,when=deal/number/amount/importance/interest/difficulty/pleasure/effort/care/danger/risk/extent/majority/success/war/power/city/man/artist/leader/writer/deal/honour/honor/pain/loss/distance/depth/height/fire/depression/length/detail/variety/speed/value/need/demand/help/opportunity/threat/concern/pride/respect/surprise/joy] ; remek[when=idea/time/job/day/weekend/place/view/food/holiday/party/fun/game/film/movie/book/news/question/choice/meal/evening/trip/service]
# --- adverbs and set phrases
again	adv	megint ; újra
always	adv	mindig
at home	adv	otthon
every day	adv	minden nap
here	adv	itt
home	adv	haza ; otthon
in the evening	adv	este
late	adv	későn
sorry	adv	elnézést[for=ert] ; bocsánat[for=ert]
never	adv	soha
now	adv	most
often	adv	gyakran
soon	adv	hamarosan
today	adv	ma
together	adv	együtt
tomorrow	adv	holnap
too	adv	túl ; is
so	adv	olyan ; annyira
very	adv	nagyon
yesterday	adv	tegnap
a little	adv	egy kicsit
a little	adj	egy kis
a bit	adv	kicsit
a bit of	adj	egy kis
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
english	n	angol[3sg=angolja,in=ul]
hungarian	n	magyar[3sg=magyarja,person,in=ul]
german	n	német[3sg=németje,person,in=ul]
french	n	francia[in=ul]
flat	n	lakás[lakások]
kind	n	fajta
show	n	műsor ; előadás
change	n	változás[változások] ; apró ; apró[when=keep/small/loose/spare] ; apró[near=coin/coins/note/cash/machine/meter/fare/pound/euro/forint/dollar/till/cashier/wallet/purse/tip]
change	v	meg|változtat[intr=meg|változik] ; cserél ; ki|cserél[when=battery/bulb/tyre/tire/filter/sheet/nappy/diaper/towel/cartridge/fuse/lock/wheel/bandage/dressing/batteries]
turn	v	fordít[intr=fordul] ; fordul
fall	v	esik[to=ra,on=ra,by=val] ; le|esik[on=ra] ; csökken[noobj,to=ra,by=val,when=unemployment/price/rate/inflation/number/temperature/sale/profit/income/output/demand/value/cost/production/export/import/level/figure/turnover/population/attendance/spending/wage/salary/birth/crime/rent/fare/revenue/growth]
draw	v	rajzol ; húz ; be|húz[when=curtain/blind] ; húz[when=line/card/lot/straw] ; le|von[when=conclusion/lesson] ; vonz[when=crowd/visitor/tourist/audience/fan] ; fel|vesz[when=pension/salary/benefit]
catch	v	el|kap ; fog ; el|ér[when=bus/train/flight/plane/tram] ; fog[when=fish/mouse/rat/trout/salmon/carp/pike/catfish/perch/bream/cod/tuna/shark/eel/butterfly] ; el|kap[when=cold/flu/virus/infection/disease]
carry	v	visz ; hord ; hord[when=gun/weapon/knife/passport/card] ; cipel[when=furniture/bag/box/suitcase/luggage/shopping/crate/sack/backpack/rucksack]
follow	v	követ ; meg|fogad[when=advice]
return	v	vissza|tér[noobj] ; vissza|ad ; vissza|küld[when=form/parcel/package/item/goods/product/questionnaire/order/letter/email/document/documents/application]
return	n	visszatérés[front] ; visszaküldés[front,pl] ; hozam ; adóbevallás[adóbevallások,near=accountant/accountants/tax/taxes/vat/deduction/deductions/taxpayer/taxpayers]
end	n	vég[végek,at=n,in=n] ; befejezés
end	v	befejez[intr=véget |ér,in=val]
fire	n	tűz[tüzek] ; tűzvész
order	n	rendelés[rendelések] ; sorrend ; rend ; rendelés[rendelések,when=place/cancel/track/confirm/deliver/ship/process/receive/complete/dispatch/charge] ; sorrend[when=alphabetical/reverse/chronological/right/correct/wrong/random/same/numerical/ascending/descending] ; parancs[parancsok,when=obey/follow/give/disobey/issue/executive]
order	v	rendel ; meg|rendel
sound	n	hang[hangok,3sg=hangja]
study	v	tanul
develop	v	fejleszt[intr=fejlődik] ; fejlődik
free	adj	szabad[szabadok] ; ingyenes ; ingyenes[when=ticket/entry/parking/delivery/wifi/access/sample/gift/meal/drink/transport/service/lesson/consultation/trial/copy/admission/shipping/app/software/version/event/concert/course/class/breakfast/lunch/coffee/public/download/healthcare/school/education/entrance/clinic/advice/check/tour/workshop/support/help/test/newspaper/ride/seminar/webinar/vaccination/treatment/museum/exhibition/internet/upgrade/checkup/screening/card/membership/map/brochure/leaflet/catalogue/refill/refills/toilet/toilets/cloakroom/samples/parking/entry]
first	adj	első
hit	v	üt ; meg|üt ; sújt[when=north/south/east/west/coast/city/town/region/country/area/island/village/economy/family/household/industry/sector/farmer/pensioner/consumer/community/business] ; el|talál[when=target/mark] ; el|ér[when=record/peak/level/milestone]
pull	v	húz ; meg|húz[when=muscle/tendon/hamstring/trigger] ; ki|húz[when=tooth/plug/cork/weed]
reach	v	el|ér ; jut[obj=ra,when=agreement/decision/conclusion/compromise]
quiet	adj	csendes[csendesek] ; halk[halkak,when=voice/music/sound/laugh/cough/knock/whisper/tone/word/words/hum/noise/engine/footsteps/murmur]
quiet	n	csend[csendek]
side	n	oldal[oldalak,acc=oldalt,3sg=oldala]
walk	n	séta
fix	v	meg|javít ; készít[when=dinner/lunch/breakfast/meal/drink/snack/sandwich] ; ki|javít[when=bug/error/mistake/typo/fault/glitch] ; meg|old[when=problem/issue]
lock	v	be|zár[state]
miss	v	hiányzik[feels=nak] ; hiányol ; le|késik[when=bus/train/flight/plane/tram/ferry/boat/connection/coach/start/beginning/appointment] ; hiányzik[obj=rol,when=class/lesson/lessons/lecture/lectures/training/practice/rehearsal] ; le|marad[obj=rol,when=meeting/briefing] ; ki|hagy[when=concert/show/film/movie/match/game/party/event/episode/call/opening/sale/offer/penalty/shot/kick/goal/target] ; el|szalaszt[when=chance/opportunity] ; mulaszt[perf=el,when=school/work/deadline/payment/dose]
offer	v	fel|ajánl[to=nak] ; kínál[to=nak]
offer	n	ajánlat[ajánlatok]
save	v	meg|ment ; spórol ; el|ment[when=change/file/document/setting/work/progress/game/draft/copy/photo/image/data/password] ; meg|takarít[when=money/time/energy]
trust	v	bízik[obj=ban]
hard	adj	nehéz[nehezek] ; kemény ; kemény[when=work/worker/winter/frost/line/stance/labour/labor/surface/floor/ground/rock/shell/wood/cheese/water]
hard	adv	keményen ; erősen ; nagyon[when=laugh/laughed/laughing/laughs/try/tried/trying/tries/cry/cried/crying/cries] ; erősen[when=push/pull/hit/press/rain/slam/kick/squeeze/pushed/pulled/hit/pressed/rained/slammed/kicked/squeezed/knock/knocked/blow/blew]
black	adj	fekete
dark	adj	sötét
help	n	segítség
practice	v	gyakorol
rule	n	szabály[szabályok]
grow	v	nő[noobj] ; termeszt ; termeszt[when=vegetable/tomato/potato/crop/rice/wheat/corn/fruit/grape/herb/coffee/tea/cotton] ; növeszt[when=beard/hair/moustache/mustache]
receive	v	kap[perf=meg] ; meg|kap
answer	v	válaszol[obj=ra] ; felel ; ki|nyit[when=door] ; fel|vesz[when=phone/telephone/call]
dream	n	álom[álmok]
drink	n	ital[italok]
hope	v	remél
invite	v	meg|hív
jump	v	ugrik
low	adj	alacsony[alacsonyak] ; kis[when=speed/risk/number/amount/demand/chance/volume/proportion/percentage/intensity/heat] ; halk[when=voice/tone/sound/noise/hum] ; gyenge[when=signal/battery/visibility]
plan	n	terv[tervek]
quick	adj	gyors[gyorsak]
ready	adj	kész[készek,for=ra]
accept	v	el|fogad
arrive	v	meg|érkezik[in=ba,at=ba]
air	n	levegő
arm	n	kar[karok,3sg=karja,pp=karjai,pair]
bank	n	bank[bankok,3sg=bankja,to=ba,at=ban,attr=banki] ; part ; part[partok,3sg=partja,at=on,to=ra,when=river/west/south/north/east/far/opposite/grassy/muddy/steep] ; part[partok,3sg=partja,at=on,to=ra,near=fishing/fisherman/angler/river/lake/stream/canal/pond/float/rod/boat/swim/swimming/riverside/reeds]
best	adj	legjobb
company	n	cég[cégek] ; társaság
die	v	meg|hal[noobj] ; le|merül[noobj,when=phone/battery/laptop/torch/flashlight]
price	n	ár[árak]
rich	adj	gazdag[gazdagok] ; termékeny[when=soil/land/ground] ; laktató[when=food/meal/sauce/dessert/cake/dish/diet]
short	adj	rövid ; alacsony[alacsonyak,person,when=man/woman/boy/girl/person/guy/player]
star	n	csillag[csillagok] ; sztár[sztárok,3sg=sztárja,when=film/movie/pop/rock/football/hollywood/reality/rising/tv/television/soap/youtube/child/guest/sport/tennis]
warm	adj	meleg[melegek] ; szívélyes[when=welcome/greeting/reception/smile/hospitality/wish/regard/thanks/atmosphere/host]
easy	adj	könnyű[könnyűek]
only	adv	csak
only	adj	egyetlen
the only one	n	az egyetlen[person]
just	adv	csak ; éppen
sure	adj	biztos[about=ban,of=ban]
come back	v	vissza|jön
get up	v	fel|kel
give up	v	fel|ad ; abba|hagy
go out	v	ki|megy[noobj,thing=ki|alszik] ; el|megy[noobj]
go back	v	vissza|megy[noobj]
look for	v	keres
pick up	v	fel|vesz
put on	v	fel|vesz ; fel|tesz[when=kettle/pot/pan/water/soup/record/music/song/album/film/movie/dvd/coffee] ; fel|kapcsol[when=light/lights/radio/tv/television/heating]
sit down	v	le|ül[noobj,at=hoz,on=ra,in=ba]
stand up	v	fel|áll[noobj]
wake up	v	fel|ébred[noobj] ; fel|ébreszt
afternoon	n	délután[délutánok,3sg=délutánja,time=nom]
bathroom	n	fürdőszoba[to=ba,at=ban]
bicycle	n	kerékpár[kerékpárok,3sg=kerékpárja,by=val]
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
hotel	n	szálloda[to=ba,at=ban] ; hotel
ice	n	jég[jegek]
ice cream	n	fagylalt
lunch	n	ebéd[ebédek,for=ra,to=ra,at=n]
market	n	piac[piacok,to=ra,at=on,in=on]
meat	n	hús[húsok]
moon	n	hold[holdak,3sg=holdja]
mountain	n	hegy[hegyek,on=n,to=ra,from=rol,attr=hegyi] ; hegy[hegyek,pl,attr=hegyi,to=ba,in=ban,from=bol]
nose	n	orr[orrok]
pen	n	toll[tollak]
plate	n	tányér[tányérok]
restaurant	n	étterem[éttermek,to=ba,at=ban]
salt	n	só[sók]
sea	n	tenger[tengerek,attr=tengeri]
shirt	n	ing[ingek]
snow	n	hó[havak]
sugar	n	cukor[cukrok]
summer	n	nyár[nyarak,time=n,attr=nyári]
tooth	n	fog[fogak]
town	n	város[városok,to=ba,at=ban]
wine	n	bor[borok]
beer	n	sör[sörök]
monday	n	hétfő[hétfők,time=n,attr=hétfői,for=ra]
saturday	n	szombat[szombatok,3sg=szombatja,time=n,attr=szombati,for=ra]
sad	adj	szomorú[szomorúak]
hungry	adj	éhes[éhesek]
busy	adj	elfoglalt[person,with=val] ; forgalmas ; mozgalmas[when=day/week/schedule/time/life/period/season/year/month/morning/afternoon/evening/weekend/night/summer]
cheap	adj	olcsó[olcsók]
expensive	adj	drága
important	adj	fontos[fontosak]
interesting	adj	érdekes[érdekesek]
ill	adj	beteg[betegek]
bad	adj	rossz[rosszak,at=ban] ; súlyos[when=accident/injury/crash/damage/flood/infection/burn/wound/fall] ; erős[when=cold/headache/cough/pain/toothache/backache/stomachache/fever/storm/pain/cramp/sunburn]
white	adj	fehér[fehérek]
green	adj	zöld[zöldek]
yellow	adj	sárga
full	adj	teljes[pred=tele,van,of=val] ; tele[tele,of=val] ; teli ; teli[pred=tele,van,of=val,when=bottle/glass/cup/bag/box/bus/train/tank/plate/stomach/house/room/car/basket/bucket/jar/can/pot/hall/moon] ; teljes[when=amount/price/refund/name/address/details/time/list/payment/report/range/control/story/text/version/stop/day/week/year/month/results/support/responsibility/access/information/cost/fare/sentence]
early	adv	korán
slowly	adv	lassan
quickly	adv	gyorsan
well	adv	jól ; hát[when=answer]
still	adv	még ; még mindig
already	adv	már
sometimes	adv	néha
usually	adv	általában
everything	n	minden
nothing	n	semmi
something	n	valami[front]
last night	adv	tegnap este
# --- more of the commonest lemmas: verbs
allow	v	enged[to=nak] ; meg|enged
add	v	hozzá|ad
agree	v	egyetért[noobj,with=val,that=ban]
believe	v	hisz[obj=nak] ; el|hisz[when=it/this/that/story/news/word/lie/rumour/excuse/explanation/claim]
borrow	v	kölcsön|kér
choose	v	választ[perf=ki] ; ki|választ
count	v	számol[noobj] ; meg|számol
cut	v	vág[into=ra] ; le|vág ; meg|szüntet[when=job/post/service] ; csökkent[when=rate/tax/price/cost/spending/emission/budget/fare/subsidy/funding]
dance	v	táncol[noobj]
decide	v	dönt[noobj] ; el|dönt
describe	v	le|ír[to=nak]
enjoy	v	élvez
explain	v	el|magyaráz[to=nak] ; magyaráz[to=nak]
fill	v	meg|tölt[with=val,intr=meg|telik] ; ki|tölt[when=form/questionnaire/survey/application/field/box/gap/blank] ; be|tölt[when=position/vacancy/post/role/job/seat]
finish	v	be|fejez ; végződik[noobj,when=match/game/war/film/meeting/concert/show/season/party/race/course/contract/talk/story/book] ; be|fejeződik[noobj,when=installation/download/update/upload/process/scan/backup/procedure/operation/work/renovation/construction]
hate	v	utál ; gyűlöl
hurry	v	siet[noobj]
kill	v	meg|öl[pass=meg|hal]
kiss	v	meg|csókol ; csókol
laugh	v	nevet[noobj,at=on]
lend	v	kölcsön|ad[to=nak]
listen	v	hallgat[to=acc] ; hallgat[to=ra,person] ; figyel
mean	v	jelent ; gondol
pack	v	be|csomagol[state,in=ba] ; csomagol[in=ba]
paint	v	fest[perf=ki] ; ki|fest
plant	v	ültet[perf=el] ; el|ültet
plant	n	növény[növények] ; üzem[üzemek] ; erőmű[erőművek,acc=erőművet,3sg=erőműve,when=nuclear/coal/gas/solar/hydroelectric/wind/geothermal] ; üzem[üzemek,when=chemical/manufacturing/processing/treatment/industrial/steel/car/bottling/assembly/packaging/production/close/operate]
promise	v	meg|ígér ; ígér
rest	v	pihen[noobj]
rest	n	pihenés[pihenések] ; többi tag[3sg=tagja,when=team/family/group/class/staff/crew/band/committee/board/squad/club/party/delegation/cast/household/company/department/office] ; többi rész[when=of]
ride	v	lovagol[noobj] ; utazik[obj=n] ; lovagol[obj=n,when=horse/pony/camel/donkey]
ring	v	csenget[noobj,thing=cseng] ; cseng[noobj]
shout	v	kiabál[noobj,for=ert,at=ra] ; kiált[noobj]
shut	v	be|csuk[intr=zár] ; be|zár
snow	v	havazik
rain	v	esik[noobj]
steal	v	el|lop ; lop
teach	v	tanít[to=nak]
thank	v	meg|köszön[obj=nak,for=acc] ; köszön
throw	v	dob ; el|dob ; rendez[when=party]
travel	v	utazik
wear	v	visel ; hord
win	v	nyer[perf=meg] ; meg|nyer
wish	v	kíván
worry	v	aggódik[about=ert]
hide	v	el|rejt[intr=el|bújik] ; el|bújik
kick	v	rúg[perf=meg] ; meg|rúg
lift	v	fel|emel[intr=fel|száll] ; fel|old[when=ban/sanction/restriction/embargo/lockdown/curfew/blockade/suspension]
feed	v	etet ; meg|etet
feed	n	takarmány[takarmányok]
knock	v	kopog[noobj] ; kopogtat
knocking	n	kopogás[kopogások]
carry on	v	folytat[intr=folytatódik]
find out	v	ki|derít
put down	v	le|tesz[on=ra,in=ba]
turn around	v	meg|fordul[noobj]
# nouns
animal	n	állat[állatok]
beach	n	strand[strandok,3sg=strandja,to=ra,on=on,at=on]
bedroom	n	hálószoba[to=ba,at=ban]
bill	n	számla ; törvényjavaslat[törvényjavaslatok,when=pass/introduce/debate/approve/reject/veto/amend/draft/propose/back/oppose/block/sign]
blood	n	vér[vérek]
bone	n	csont[csontok]
building	n	épület[épületek]
butter	n	vaj[vajak]
button	n	gomb[gombok,3sg=gombja]
camera	n	fényképezőgép[fényképezőgépek]
candle	n	gyertya
carpet	n	szőnyeg[szőnyegek]
chicken	n	csirke
church	n	templom[templomok,to=ba,at=ban]
cloud	n	felhő
corner	n	sarok[sarkok]
cousin	n	unokatestvér[unokatestvérek,person]
customer	n	vásárló[person] ; ügyfél[ügyfelek,when=bank/insurance/business/existing/corporate/energy/broadband/mobile]
dentist	n	fogorvos[fogorvosok,person]
driver	n	sofőr[sofőrök,3sg=sofőrje,person] ; vezető
ear	n	fül[fülek,acc=fület,pair]
earth	n	föld[földek] ; talaj[acc=talajt]
exam	n	vizsga[to=ra,at=n,for=ra]
fork	n	villa
garage	n	garázs[garázsok]
glove	n	kesztyű[pair]
gold	n	arany[aranyak]
grass	n	fű[füvek]
guest	n	vendég[vendégek,person]
hill	n	domb[dombok,3sg=dombja,on=n]
history	n	történelem[történelmek,attr=történelmi] ; történet
hole	n	lyuk[lyukak]
homework	n	házi feladat
island	n	sziget[szigetek,on=n,in=n,to=ra,at=n,from=rol]
jacket	n	dzseki ; kabát[kabátok,3sg=kabátja]
knife	n	kés[kések]
language	n	nyelv[nyelvek,attr=nyelvi]
lesson	n	óra ; lecke
library	n	könyvtár[könyvtárak,3sg=könyvtára,to=ba,at=ban]
map	n	térkép[térképek]
medicine	n	gyógyszer[gyógyszerek] ; orvostudomány[when=study/studied/studies/studying]
mouth	n	száj[szájak]
neighbour	n	szomszéd[szomszédok,person]
orange	n	narancs[narancsok]
pair	n	pár[párok,3sg=párja]
party	n	buli[to=ba,at=ban] ; párt[pártok] ; párt[pártok,when=political/opposition/ruling/conservative/liberal/labour/socialist/green/governing/nationalist/democratic/communist/populist/coalition/centrist/republican/form/found/lead]
passport	n	útlevél[útlevelek]
pocket	n	zseb[zsebek]
police	n	rendőrség[rendőrségek,from=tol]
present	n	ajándék[ajándékok] ; jelen
present	adj	jelen[van] ; jelenlegi
problem	n	probléma ; gond
queen	n	királynő
king	n	király[királyok,person]
radio	n	rádió
rose	n	rózsa
sandwich	n	szendvics[szendvicsek]
sheep	n	birka ; juh[juhok]
shower	n	zuhany[zuhanyok] ; zápor ; zápor[when=light/heavy/scattered/occasional/thundery/april/rain/snow/sudden/brief/passing]
singer	n	énekes[énekesek,person]
size	n	méret[méretek]
skirt	n	szoknya
smile	n	mosoly[mosolyok]
soap	n	szappan[szappanok]
sock	n	zokni[pair]
sofa	n	kanapé
spoon	n	kanál[kanalak]
sport	n	sport[sportok]
square	n	tér[terek,in=n,at=n,to=ra] ; négyzet
stamp	n	bélyeg[bélyegek]
sweater	n	pulóver[pulóverek]
swimming pool	n	uszoda[to=ba,at=ban,in=ban]
tent	n	sátor[sátrak]
taxi	n	taxi
tomato	n	paradicsom[paradicsomok]
towel	n	törölköző
tower	n	torony[tornyok]
traffic	n	forgalom[forgalmak]
trousers	n	nadrág[nadrágok,3sg=nadrágja]
vegetable	n	zöldség[zöldségek]
wind	n	szél[szelek]
wind	v	teker[intr=kanyarog] ; fel|húz[when=clock/watch]
wing	n	szárny[szárnyak]
wolf	n	farkas[farkasok]
writer	n	író[person]
zoo	n	állatkert[állatkertek,to=ba,at=ban]
# adjectives
boring	adj	unalmas
brave	adj	bátor[bátrak]
careful	adj	óvatos
clever	adj	okos
comfortable	adj	kényelmes
dangerous	adj	veszélyes
dead	adj	halott ; lemerült[when=battery/phone/cell]
delicious	adj	finom[finomak]
different	adj	különböző ; más
dry	adj	száraz
favourite	adj	kedvenc
friendly	adj	barátságos
funny	adj	vicces
high	adj	magas ; nagy[when=speed/risk/demand/hope/number/proportion/percentage/amount/expectation/praise/volume] ; erős[when=wind/gust]
honest	adj	őszinte
large	adj	nagy[nagyok]
lazy	adj	lusta
loud	adj	hangos
lucky	adj	szerencsés
narrow	adj	keskeny ; szűk[when=majority/margin/victory/lead/win/circle/range/sense/definition/escape/defeat/band/window/gap/vote/group]
nervous	adj	ideges
noisy	adj	zajos
poor	adj	szegény ; rossz[when=quality/health/condition/state/service/weather/diet/choice/decision/judgement/judgment/sleep/design/management/communication/eyesight/hygiene/housing/light/lighting/taste/shape/form/memory/sight/behaviour/behavior/mark/grade] ; gyenge[when=performance/result/sales/score/harvest/attendance/visibility/signal/connection/showing/record/crop/player/reception]
pretty	adj	szép ; csinos[person]
proud	adj	büszke[of=ra]
safe	adj	biztonságos
sharp	adj	éles ; meredek[when=rise/fall/increase/decrease/drop/decline/jump/turn/bend/slowdown]
simple	adj	egyszerű[egyszerűek]
slow	adj	lassú[lassúak]
soft	adj	puha ; halk[when=voice/music/sound/noise/whisper/tone/knock/laugh/voices] ; lágy[when=light/colour/color/glow/cheese/breeze/wind/music/focus/texture]
strange	adj	furcsa
sunny	adj	napos
thin	adj	vékony ; sovány[person] ; sovány[when=face/arm/leg/body/dog/cat/horse/cow] ; ritka[when=hair/air/beard]
thick	adj	vastag[vastagok] ; sűrű[when=fog/smoke/forest/hair/cloud/mist/jungle/soup/sauce/liquid/paste/beard/fur/mud/traffic/crowd/smog/vegetation/bush/undergrowth/wood/woods]
thick	adv	vastagon
ugly	adj	csúnya
wet	adj	vizes ; nedves[when=cloth/towel/sponge/soil/paint/wipe/tissue/air/wood] ; esős[when=weather/day/season/summer/winter/weekend/spring/autumn/month/week]
wonderful	adj	csodálatos
wrong	adj	rossz[rosszak] ; helytelen
alone	adv	egyedül
outside	adv	kint
inside	adv	bent
upstairs	adv	fent[van]
downstairs	adv	lent[van]
# --- the rest of WordNet's two hundred commonest lemmas
pass	v	el|halad[noobj] ; át|ad ; le|tesz[when=exam/test] ; el|fogad[when=law/bill/budget/resolution/amendment/motion/legislation/measure] ; tölt[when=time] ; el|múlik[noobj,when=time/pain/day/week/month/year/hour/minute/moment/storm/danger/crisis/fever/headache/winter/summer/night]
line	n	vonal[vonalak] ; sor[sorok] ; zsinór[zsinórok,3sg=zsinórja,near=fishing/fisherman/angler/rod/hook/bait/float/reel]
line	v	ki|bélel[when=tin/tray/dish/box/drawer/basket/mould/mold] ; szegélyez[when=street/streets/road/route/way]
set	v	beállít[thing=le|megy,for=ra] ; le|tesz ; meg|terít[when=table] ; fel|állít[when=record] ; ki|tűz[when=date/deadline/goal/target/aim] ; szab[when=limit/price/condition] ; mutat[when=example]
right	adv	jobbra ; pontosan
right	adj	helyes ; jobb
rise	v	emelkedik[to=ra,by=val] ; fel|kel[noobj] ; fel|kel[noobj,when=sun/moon] ; kel[noobj,when=dough/yeast,near=dough/yeast]
cover	v	be|takar[in=val,with=val,state] ; fed ; fedez[when=damage/cost/expense/loss/repair] ; le|fed[in=val,with=val,state,when=road/roof/area/surface/floor/ground/pool/court/terrace/stadium/walkway/bridge/platform/yard/market]
clear	v	ki|tisztít ; tisztáz ; el|áll[noobj,when=rain/shower] ; le|szed[when=table] ; el|takarít[when=snow/road/debris/rubble/path]
clear	adj	világos ; tiszta ; tiszta[when=sky/water/air/day/night/weather/conscience/glass/skin/view] ; egyértelmű[when=majority/evidence/sign/message/answer/winner/difference/case/link/signal/rule/intention/picture/result/victory/lead/choice]
lead	v	vezet ; él[when=life]
support	n	támogatás[támogatások]
support	v	támogat
form	n	űrlap[űrlapok,3sg=űrlapja] ; forma
back	adv	vissza ; hátra
back	n	hát[hátak,3sg=háta] ; hátsó rész
charge	v	fel|tölt[state] ; tölt ; meg|terhel[when=account/card/customer/customers] ; meg|vádol[with=val,person] ; fel|számít[when=fee/commission/interest/price/rate/vat] ; meg|vádol[with=val,when=man/woman/suspect/driver/teenager/boy/girl/person/officer/mayor/minister/player/husband/wife/father/mother/son/daughter/men/women/people/politician/director/doctor/teacher]
strike	v	üt ; meg|üt ; sújt[when=coast/city/town/region/country/area/island/village] ; meg|gyújt[when=match] ; meg|köt[when=deal/agreement/bargain/compromise]
center	n	központ[központok] ; közép[közepek]
drop	v	le|ejt[intr=csökken,to=ra,by=val] ; el|ejt ; el|ejt[when=charge/plan/idea/case/claim/proposal/subject/lawsuit] ; ki|tesz[when=kid/child/passenger/son/daughter]
force	n	erő ; kényszer
force	v	kényszerít
spread	v	terjed[noobj] ; szét|terít ; ken[on=ra,when=butter/jam/cream/honey/paste/margarine/mayonnaise/glue] ; terjeszt[when=news/word/rumour/rumor/message/disease/virus/lie/information/misinformation/disinformation/propaganda/fear/hate/germ]
beat	v	meg|ver ; legyőz ; le|győz[when=rival/team/opponent/champion/side/enemy/army/challenger/favourite] ; fel|ver[when=egg/cream/mixture/butter/batter]
burn	v	ég[noobj] ; el|éget
figure	n	adat[adatok] ; szám[számok] ; alak[alakok,3sg=alakja] ; személyiség[személyiségek,when=public/political/leading/prominent/important/historical/controversial/religious/senior/literary/cultural/central]
fit	v	passzol[noobj]
last	adj	utolsó ; múlt
mark	n	jel[jelek] ; jegy[jegyek]
position	n	helyzet[helyzetek] ; pozíció ; állás[állások,when=apply/fill/offer/advertise/accept/hold/vacant/permanent/assistant/librarian/manager/secretary/receptionist/teacher/nurse/engineer/director/editor/accountant/developer/clerk/cook/chef/waiter/driver] ; pozíció[when=senior/managerial]
raise	v	fel|emel ; emel ; gyűjt[when=money/fund/funds/capital/donation/donations/signature/signatures/forint/pound/euro/dollar/million/thousand/sum/amount/cash] ; fel|vet[when=question/issue/concern/point/doubt/possibility] ; nevel[when=child/kid/family/son/daughter/cattle/sheep/pig/chicken] ; emel[perf=meg,when=price/tax/rate/wage/salary/fee/rent/limit/age/level/standard/pension/fare]
sign	n	jel[jelek] ; tábla ; tábla[when=road/traffic/stop/street/exit/neon/shop/wooden/door/wall/warning]
control	v	irányít
down	adv	le ; lent
level	n	szint[szintek]
release	v	el|enged ; ki|ad ; ki|ad[when=film/movie/album/song/single/report/statement/book/record/game/version/update/data/figure/detail/result]
roll	v	gurul[noobj] ; gurít
settle	v	rendez ; le|telepedik
stretch	v	nyújtózkodik ; ki|nyújt
swing	v	leng[noobj] ; lenget
deal	n	üzlet[üzletek] ; megállapodás
gain	v	nyer ; szerez ; szerez[when=experience/knowledge/skill/support/control/access/point/qualification/popularity/confidence/independence]
round	adj	kerek[kerekek]
separate	v	el|választ ; szétválaszt
solid	adj	szilárd
base	n	alap[alapok,3sg=alapja]
command	n	parancs[parancsok]
piece	n	darab[darabok,3sg=darabja,into=ra]
view	n	kilátás[kilátások] ; nézet
reduce	v	csökkent[to=ra,by=val,intr=csökken]
aim	n	cél[célok,3sg=célja]
bear	n	medve
blow	v	fúj ; ki|fúj[when=nose] ; el|fúj[when=candle]
claim	v	állít ; igényel[when=refund/compensation/benefit/benefits/allowance/expense/expenses/damages/reimbursement/credit/discount/prize/reward/pension/rebate/tax/deposit/money/cost/costs/travel/ticket/voucher/free] ; követel[when=life]
design	v	tervez
firm	n	cég[cégek]
ground	n	föld[földek] ; talaj[acc=talajt]
interest	n	érdeklődés ; kamat[kamatok] ; kamat[kamatok,when=pay/charge/earn/annual/compound/monthly/accrued] ; érdek[érdekek,when=national/public/best/personal/economic/political/business/own/mutual/conflicting/vested/protect/serve/represent/defend/strategic/financial/commercial/security]
measure	v	mér ; meg|mér
model	n	modell[modellek,acc=modellt,3sg=modellje] ; minta
press	n	sajtó[from=tol]
project	n	projekt[projektek] ; terv[tervek]
range	n	választék[választékok] ; tartomány[tartományok]
record	n	rekord[rekordok,3sg=rekordja,pp=rekordjai] ; feljegyzés ; lemez[lemezek] ; nyilvántartás[when=medical/dental/criminal/public/official/school/financial/keep/update/access]
report	n	jelentés[jelentések] ; beszámoló
report	v	jelent ; be|jelent
sink	n	mosogató
spring	n	tavasz[tavaszok,time=val,attr=tavaszi] ; forrás ; forrás[when=hot/mineral/natural/thermal/underground/freshwater]
stock	n	készlet[készletek]
subject	n	tantárgy[tantárgyak] ; téma
tie	n	nyakkendő ; kapcsolat[kapcsolatok,when=close/strong/economic/diplomatic/family/cultural/political/trade/cut/sever/strengthen/historical/personal/business/deep/military/financial/restore/break]
voice	n	hang[hangok,3sg=hangja]
extend	v	meg|hosszabbít[to=ig]
represent	v	képvisel
act	v	játszik
active	adj	aktív ; tevékeny
address	n	cím[címek,to=ra]
better	adj	jobb[jobbak]
block	n	tömb[tömbök,3sg=tömbje] ; háztömb[háztömbök,3sg=háztömbje]
color	n	szín[színek]
colour	n	szín[színek]
cross	v	át|kel[noobj] ; keresztez ; át|kel[obj=on,when=road/street/river/border/bridge/sea/ocean/channel/desert/mountain/atlantic/lake] ; át|lép[when=line/threshold/limit]
escape	v	el|menekül[noobj] ; meg|szökik ; meg|szökik[noobj,when=prisoner/inmate/goose/animal/dog/cat/tiger/lion/bear/wolf/horse/cow/sheep/monkey/bird/snake/parrot/penguin/pet/hamster/rabbit/prison/zoo/jail/cage/farm/enclosure/custody]
file	n	fájl[fájlok,acc=fájlt,3sg=fájlja] ; irat[iratok]
flow	v	folyik
interest	v	érdekel
note	v	meg|jegyez ; figyelembe |vesz[when=that/hours/change/changes/time/times/date/dates/address]
trouble	v	zavar
# --- WordNet's commonest lemmas by tagged senses, ranks 1 to 450
check	n	ellenőrzés[ellenőrzések] ; számla ; csekk[3sg=csekkje]
check	v	ellenőriz ; meg|néz ; meg|vizsgál
direct	v	irányít ; rendez[when=film/movie/play/opera/show/series/documentary]
direct	adj	közvetlen ; egyenes
advance	n	előrelépés ; előleg[előlegek]
advance	v	halad[noobj] ; előre|lép[noobj]
crack	n	repedés[repedések] ; rés
crack	v	meg|reped[noobj] ; meg|tör
discharge	n	kibocsátás ; elbocsátás
discharge	v	el|bocsát ; ki|enged
shift	n	műszak[műszakok,3sg=műszakja] ; váltás[váltások]
shift	v	áthelyez ; vált
attack	n	támadás[támadások] ; roham[rohamok]
attack	v	meg|támad ; támad
bound	adj	köteles ; kötött
care	n	gondoskodás ; gond[gondok]
care	v	törődik[for=val,about=val] ; gondoz
serve	v	tálal ; szolgál ; fel|szolgál ; tölt[when=sentence/term/ban/year/month] ; ki|szolgál[when=customer/client/guest/passenger/shopper] ; szolgál[when=country/community/public/nation/purpose/king/queen/people] ; fel|szolgál[when=drink/coffee/tea/wine/beer/cocktail/champagne]
snap	v	el|pattan[noobj] ; csattan[noobj]
strain	n	megterhelés ; feszültség[feszültségek]
strain	v	meg|erőltet ; szűr
yield	n	hozam[hozamok]
yield	v	enged[obj=nak] ; hoz
bar	n	bár[bárok,3sg=bárja] ; rúd[rudak,3sg=rúdja] ; rács[rácsok] ; szelet[szeletek,when=chocolate/cereal/protein/granola/energy/candy/snack] ; rúd[rudak,3sg=rúdja,when=gold/iron/steel/metal/soap]
bar	v	el|zár ; meg|akadályoz
credit	n	hitel[hitelek] ; elismerés
credit	v	jóváír
dull	adj	unalmas ; tompa ; tompa[when=pain/ache/knife/blade/sound/thud/edge/light/colour/color/glow/roar] ; borús[when=day/weather/sky/morning/afternoon/winter]
flash	n	villanás[villanások] ; vaku ; vaku[when=use/camera/photography/disable]
flash	v	villog[noobj] ; fel|villan[noobj]
transfer	n	átutalás[átutalások] ; áthelyezés
transfer	v	átutal ; áthelyez
apply	v	alkalmaz ; jelentkezik[for=ra] ; fel|visz[when=cream/paint/ointment/lotion/glue/sunscreen/gel/layer/makeup] ; gyakorol[on=ra,when=pressure] ; ki|szór[when=fertiliser/fertilizer/salt/grit]
around	adv	körül ; körbe
burst	n	kitörés
burst	v	ki|tör[noobj] ; szét|reped[noobj] ; ki|pukkad[noobj,when=balloon/bubble/tyre/tire]
crash	n	baleset[balesetek] ; ütközés ; összeomlás
crash	v	le|zuhan[noobj] ; ütközik ; ütközik[noobj,into=nak,when=car/bus/lorry/truck/van/train/taxi/motorbike/motorcycle/bike/vehicle/driver/ship/boat/tram/coach] ; össze|omlik[noobj,when=system/app/program/website/server/browser/software/application/game/network/version/update/site/platform] ; le|fagy[noobj,when=computer/laptop/phone/tablet]
frame	n	keret[keretek] ; váz[vázak]
frame	v	be|keretez
hang	v	lóg[noobj] ; fel|akaszt
issue	n	kérdés[kérdések] ; szám[számok] ; kiadás ; szám[számok,when=latest/late/current/next/special/previous/back/recent/monthly/weekly/magazine] ; probléma[when=technical/health/security/safety/mental/medical/known/fix/resolve/solve/report/experience/connection/performance/login/billing/payment/software/hardware/network/compatibility]
issue	v	ki|ad ; ki|bocsát
loose	adj	laza ; bő ; bő[when=dress/shirt/trousers/jeans/clothes/clothing/sweater/jumper/fit/top/sleeve/skirt/coat/jacket/pants/collar]
march	n	március[cap,time=ban,attr=márciusi,for=ra] ; menetelés ; felvonulás
march	v	menetel[noobj] ; vonul[noobj]
master	n	mester[mesterek,person] ; gazda
master	v	el|sajátít
match	n	mérkőzés[mérkőzések,to=ra,at=n] ; gyufa ; gyufa[when=strike/light/burn]
match	v	meg|felel[obj=nak] ; passzol[noobj]
notice	n	értesítés[értesítések] ; figyelem[figyelmek] ; felmondás[when=hand/give/tender]
notice	v	észre|vesz ; érez[when=smell/odour/odor/pain/taste]
opposite	n	ellentét[ellentétek]
opposite	adj	ellentétes ; szemközti
pitch	n	pálya[pályák,on=n] ; hangmagasság
pitch	v	dob ; fel|ver ; fel|állít[when=tent/marquee]
post	n	posta[by=n] ; állás[állások] ; oszlop[oszlopok] ; bejegyzés[bejegyzések,when=blog/facebook/social/instagram/latest/recent/publish/share/delete/like/original/forum/linkedin/twitter/new/read] ; állás[állások,when=fill/hold/vacant/senior/leave/accept/permanent/teaching/government/ministerial/key/resign/apply]
post	v	fel|ad ; ki|tesz ; ki|tesz[when=message/photo/picture/comment/video/update/link/review/tweet/notice]
power	n	hatalom[hatalmak] ; erő ; áram[áramok] ; áram[áramok,when=cut/lose/restore/switch/turn/supply/outage] ; áram[áramok,near=went/outage/outages/blackout/electricity/generator/generators/restored/grid/socket/plug/outlet/charger/electric/electrical/fuse/candles/torch/flashlight/storm/fridge/freezer/heating/cuts/engineers]
relief	n	megkönnyebbülés ; segély[segélyek]
rough	adj	durva ; egyenetlen ; viharos[when=sea/water/weather/crossing/wind/night] ; hozzávetőleges[when=idea/estimate/guide/figure/number/calculation/translation/outline/approximation/draft/sketch/timeline/order/guess] ; nehéz[nehezek,when=time/day/week/night/year/month/patch/period/start/ride/journey/life]
score	n	eredmény[eredmények] ; pontszám[pontszámok]
score	v	szerez[intr=be|talál] ; pontoz
shape	n	alak[alakok,3sg=alakja] ; forma
shape	v	formál ; alakít
share	n	rész[részek] ; részvény[részvények,pl]
share	v	meg|oszt ; oszt
shoot	v	lövöldöz[noobj] ; forgat ; forgat[when=film/movie/video/scene/documentary/episode/series/advert]
spot	n	folt[foltok] ; hely[helyek,acc=helyet]
spot	v	észre|vesz
spur	n	sarkantyú
spur	v	ösztönöz
stage	n	színpad[színpadok,on=on] ; szakasz[szakaszok] ; szakasz[szakaszok,when=early/final/late/next/first/second/third/initial/later/advanced/critical/planning/development/group/knockout/last/latest/each/every/various/different/reach]
stage	v	rendez
strip	n	csík[csíkok,3sg=csíkja] ; sáv[sávok,3sg=sávja]
strip	v	le|vetkőzik ; le|húz
swell	v	dagad[noobj] ; duzzad[noobj]
top	n	tető[3sg=teteje,at=n,on=n] ; csúcs[csúcsok]
top	adj	felső
trace	n	nyom[nyomok] ; jel[jelek]
trace	v	ki|nyomoz ; követ
trade	n	kereskedelem[kereskedelmek] ; szakma
trade	v	kereskedik[noobj,with=val,in=val] ; cserél
twist	n	csavar[csavarok,3sg=csavarja] ; fordulat[fordulatok]
twist	v	csavar ; el|csavar
wave	n	hullám[hullámok]
wave	v	integet[noobj,at=nak,to=nak] ; lenget
action	n	cselekvés[cselekvések] ; tett[tettek] ; akció
advanced	adj	fejlett ; haladó
approach	n	megközelítés[megközelítések]
approach	v	közeledik[obj=hoz] ; meg|közelít
average	n	átlag[átlagok]
average	adj	átlagos
away	adv	el ; távol
band	n	zenekar[zenekarok] ; szalag[szalagok,3sg=szalagja]
bang	n	durranás ; csattanás
bang	v	csap ; dörömböl[noobj]
beam	n	gerenda ; sugár[sugarak]
beam	v	sugároz ; ragyog[noobj]
bend	n	kanyar[kanyarok,3sg=kanyarja]
bend	v	hajlít ; le|hajol[noobj]
bid	n	ajánlat[ajánlatok] ; licit[licitek,3sg=licitje]
bid	v	licitál[noobj] ; ajánl
blind	adj	vak[vakok]
bolt	n	csavar[csavarok,3sg=csavarja] ; retesz[reteszek]
bolt	v	be|reteszel
brush	n	kefe ; ecset[ecsetek]
brush	v	kefél ; meg|fésül ; meg|mos[when=tooth]
capture	n	elfogás
capture	v	el|fog ; meg|szerez
combine	v	egyesít ; össze|kapcsol
concentrate	v	koncentrál[noobj,on=ra] ; összpontosít
contact	n	kapcsolat[kapcsolatok] ; érintkezés ; érintkező[érintkezők,when=gold/electrical/battery/metal/copper/charging/dirty]
contact	v	meg|keres ; érintkezik ; fordul[obj=hoz,when=service/support/team/desk/office/department/reception/bank/provider/doctor/gp/pharmacist/dentist/helpline/staff/landlord/manager/council/police/supplier/retailer/airline/insurer/organiser/organizer/administrator/centre/center]
content	n	tartalom[tartalmak]
content	adj	elégedett
date	n	dátum[dátumok] ; nap[napok,3sg=napja,pl] ; randevú ; randevú[when=blind/romantic/dinner/ask]
date	v	jár[obj=val,noobj]
defense	n	védelem[védelmek] ; védekezés
demand	n	igény[igények] ; kereslet[keresletek]
demand	v	követel
double	adj	dupla ; kettős
double	v	meg|dupláz[intr=meg|duplázódik] ; meg|kettőz
encounter	n	találkozás[találkozások]
encounter	v	találkozik[obj=val] ; szembe|kerül
establish	v	létre|hoz ; alapít
exchange	n	csere ; árfolyam[árfolyamok]
exchange	v	ki|cserél ; cserél
exercise	n	gyakorlat[gyakorlatok] ; testmozgás
exercise	v	edz[noobj] ; gyakorol
foot	n	láb[lábak,3sg=lába,pair] ; lábfej[lábfejek]
front	n	elülső rész ; front[frontok,3sg=frontja]
front	adj	elülső ; első
glow	n	ragyogás ; izzás
glow	v	ragyog[noobj]
grant	n	támogatás[támogatások]
grant	v	meg|ad ; engedélyez
hurt	v	fáj[noobj] ; meg|sebesít[pass=meg|sérül]
introduce	v	be|mutat[to=nak] ; be|vezet ; be|vezet[when=law/tax/rule/system/ban/measure/restriction/policy/scheme/legislation/reform/fee/limit/curfew/regulation/programme/program/technology/feature/service/product/currency/quota/requirement]
label	n	címke
label	v	fel|címkéz
left	n	bal oldal
left	adj	bal
left	adv	balra
lie	v	fekszik[noobj] ; hever[noobj] ; hazudik[noobj,to=nak,about=rol,when=lied]
load	n	teher[terhek] ; rakomány[rakományok]
load	v	be|tölt ; meg|rak
mass	n	tömeg[tömegek] ; mise
material	n	anyag[anyagok]
material	adj	anyagi
middle	n	közép[közepek,3sg=közepe,in=n] ; középső rész
middle	adj	középső
mind	n	elme ; ész[eszek]
mind	v	bán ; vigyáz[obj=ra,when=gap/step/head/door/stairs/dog/edge/steps/language/manners/platform] ; vigyáz[obj=ra]
mount	v	fel|szerel ; fel|száll[obj=ra]
observe	v	meg|figyel ; figyel ; be|tart[when=rule/law/ceasefire/truce/silence/regulation/speed/limit]
passage	n	átjáró ; szakasz[szakaszok] ; folyosó
professional	n	szakember[szakemberek,person] ; profi
professional	adj	szakmai ; profi
push	v	tol ; nyom ; meg|nyom[when=button/key/switch/pedal/bell/lever]
rank	n	rang[rangok,3sg=rangja] ; rendfokozat[rendfokozatok]
rank	v	rangsorol
reason	n	ok[okok,3sg=oka] ; ész[eszek]
reason	v	érvel[noobj]
register	n	nyilvántartás ; regiszter[regiszterek]
register	v	regisztrál ; be|jegyez
regular	adj	rendszeres ; szabályos ; állandó[when=customer/visitor/guest/client/reader/user/member/column/columnist/feature/spot/income/partner/contributor/patron/player]
scene	n	jelenet[jelenetek] ; helyszín[helyszínek]
seat	n	hely[helyek,acc=helyet] ; ülés[ülések] ; mandátum[mandátumok,when=win/lose/hold/gain] ; ülés[ülések,when=car/driver/passenger/rear/child/baby/leather/toilet/bike/bicycle/saddle/adjust]
seat	v	le|ültet
service	n	szolgáltatás[szolgáltatások] ; szolgálat[szolgálatok] ; istentisztelet[istentiszteletek] ; járat[járatok,when=bus/train/rail/ferry/shuttle/coach/tram/night/express] ; kiszolgálás[when=restaurant/waiter/slow/friendly/excellent/poor/table/bar/counter/quick/rude]
shake	v	meg|ráz[intr=remeg] ; rázkódik ; fog[when=hand]
shock	n	sokk[sokkok,3sg=sokkja] ; megrázkódtatás
shock	v	meg|döbbent
sight	n	látvány[látványok] ; látás
slice	n	szelet[szeletek]
slice	v	fel|szeletel
slide	n	csúszda ; dia[pl] ; dia[when=attach/send/show/presentation/powerpoint/next/previous/first/last/title/share]
slide	v	csúszik
slip	v	be|csúsztat[intr=meg|csúszik] ; el|csúszik
space	n	tér[terek] ; hely[helyek,acc=helyet]
speed	n	sebesség[sebességek]
speed	v	száguld[noobj] ; gyorsít
spirit	n	szellem[szellemek,person] ; lélek[lelkek]
straight	adj	egyenes ; sima[when=set/win/victory/defeat]
straight	adv	egyenesen
stream	n	patak[patakok,3sg=patakja] ; áramlat[áramlatok]
stream	v	folyik ; közvetít
string	n	zsinór[zsinórok,3sg=zsinórja] ; húr[húrok,3sg=húrja]
submit	v	be|nyújt ; alá|vet
suffer	v	szenved[noobj,from=ban]
sweep	v	söpör ; fel|söpör
system	n	rendszer[rendszerek]
test	n	teszt[tesztek] ; próba ; vizsga
test	v	tesztel ; ki|próbál
thrust	v	döf ; lök
tight	adj	szoros ; feszes ; szűkös[when=budget/schedule/deadline/timetable/timeline/finances/space/margin] ; szigorú[when=security/control/regulation/rule/restriction/limit/discipline/policy]
title	n	cím[címek]
toss	v	fel|dob ; dob
trap	n	csapda
trap	v	el|fog ; csapdába ejt
upset	adj	ideges ; feldúlt
upset	v	fel|zaklat ; fel|borít
absorb	v	el|nyel ; fel|szív
amount	n	mennyiség[mennyiségek] ; összeg[összegek] ; összeg[összegek,when=total/full/outstanding/due/pay/paid/owe/refund/transfer/withdraw/charge/invoice/bill/money/cash/exact/remaining/minimum/maximum/requested]
appear	v	meg|jelenik ; tűnik
balance	n	egyensúly[egyensúlyok] ; egyenleg[egyenlegek]
balance	v	egyensúlyoz
bond	n	kötelék[kötelékek] ; kötvény[kötvények]
bounce	v	pattog[noobj] ; vissza|pattan[noobj]
bow	n	íj[íjak] ; meghajlás ; masni
bow	v	meg|hajol[noobj]
bright	adj	világos ; fényes ; okos ; ragyogó[when=sun/sunshine/future/idea/smile/star/day/morning/afternoon/light/colour/color/red/yellow/blue] ; okos[when=student/child/kid/boy/girl/pupil/man/woman/mind/person/guy]
business	n	üzlet[üzletek,attr=üzleti] ; vállalkozás[vállalkozások]
camp	n	tábor[táborok]
camp	v	táborozik
cause	n	ok[okok,3sg=oka] ; ügy[ügyek]
cause	v	okoz
challenge	n	kihívás[kihívások]
challenge	v	ki|hív ; vitat
chance	n	esély[esélyek] ; lehetőség[lehetőségek] ; véletlen
character	n	jellem[jellemek] ; szereplő ; karakter[karakterek] ; szereplő[when=main/fictional/central/leading/cartoon/favourite/favorite/minor/supporting/title] ; karakter[karakterek,when=contain/type/enter/special/maximum/minimum/chinese/invalid/password]
column	n	oszlop[oszlopok] ; rovat[rovatok]
common	adj	gyakori ; közös ; általános ; közös[when=ground/interest/goal/language/market/enemy/room/friend/border/currency/aim/purpose/ancestor/area/space/history/heritage/value/identity/experience/cause/understanding/position/approach/policy/strategy/project/future/bond/thread/denominator/feature]
complete	adj	teljes ; kész[készek] ; kész[készek,when=installation/download/upload/update/setup/transfer/backup/scan/repairs/registration/payment/migration/sync/synchronisation/synchronization/refund/charging]
complete	v	befejez ; ki|tölt
concern	n	aggodalom[aggodalmak] ; ügy[ügyek]
concern	v	érint ; aggaszt
condition	n	állapot[állapotok] ; feltétel[feltételek]
conduct	n	viselkedés
conduct	v	vezet ; vezényel ; végez[when=survey/research/study/experiment/test/investigation/inquiry/search/analysis/review/poll/audit/inspection] ; vezényel[when=orchestra/choir/band]
conflict	n	konfliktus[konfliktusok] ; ellentét[ellentétek]
contract	n	szerződés[szerződések]
contract	v	össze|húzódik ; szerződik
couple	n	pár[párok,3sg=párja] ; házaspár[házaspárok,3sg=házaspárja]
crown	n	korona
crown	v	meg|koronáz
cycle	n	ciklus[ciklusok] ; kerékpár[kerékpárok,3sg=kerékpárja]
death	n	halál[halálok]
decline	n	hanyatlás ; csökkenés
decline	v	csökken[noobj] ; el|utasít
deliver	v	kézbesít ; szállít ; tart[when=speech/lecture/talk/address/sermon/presentation]
determine	v	meg|határoz ; el|dönt
development	n	fejlődés ; fejlesztés[fejlesztések]
direction	n	irány[irányok] ; utasítás[utasítások]
discover	v	fel|fedez ; rá|jön[noobj]
drag	v	húz ; vonszol
edge	n	szél[szélek] ; él[élek]
effect	n	hatás[hatások] ; következmény[következmények]
experience	n	tapasztalat[tapasztalatok] ; élmény[élmények]
experience	v	át|él ; tapasztal
favor	n	szívesség[szívességek] ; kegy[kegyek]
favor	v	támogat ; előnyben részesít
fight	n	harc[harcok] ; verekedés
fight	v	harcol[noobj,for=ert] ; küzd[obj=val] ; verekedik
fine	adj	jó[jók] ; jó[jók,pred=jól,person,van] ; szép ; finom[finomak] ; szép[when=weather/day/morning/evening/afternoon/summer/view/example/building/house/work] ; finom[finomak,when=sand/powder/hair/dust/line/detail/balance/grain/food/wine/dining/mist/texture/salt/sugar] ; kitűnő[when=job/performance/player/actor/musician/teacher/singer/writer]
fine	n	bírság[bírságok]
flood	n	árvíz[árvizek] ; áradat[áradatok]
flood	v	el|áraszt[intr=ki|árad]
focus	n	középpont[középpontok] ; fókusz[fókuszok]
focus	v	összpontosít ; fókuszál
gray	adj	szürke
guard	n	őr[őrök,person] ; őrség ; teremőr[teremőrök,person,near=museum/gallery/exhibition] ; kalauz[kalauzok,person,near=train/trains/platform/railway/carriage/passenger/passengers]
guard	v	véd ; vigyáz[obj=ra]
guide	n	vezető[person] ; idegenvezető ; útmutató
guide	v	vezet ; irányít
increase	n	növekedés ; emelés
increase	v	növel[intr=emelkedik,to=ra,by=val] ; nő[noobj]
lapse	n	kihagyás ; mulasztás
lapse	v	le|jár[noobj]
law	n	törvény[törvények] ; jog[jogok]
living	n	megélhetés
living	adj	élő
loss	n	veszteség[veszteségek] ; elvesztés
lost	adj	elveszett ; eltévedt[person,when=hiker/hikers/walker/walkers/tourist/tourists/climber/climbers/child/children/boy/girl/dog/puppy/cat/kitten/traveller/traveler/skier]
major	adj	fő ; jelentős ; nagy[nagyok] ; jelentős[when=change/problem/role/part/factor/reason/source/impact/effect/improvement/increase/decrease/contribution/step/difference/challenge/achievement/breakthrough/investment/loss/shift/development/progress/influence/boost/cut/setback/obstacle/concern/issue/threat/risk/event/damage] ; nagy[nagyok,when=city/company/bank/road/river/airport/firm/power/earthquake/storm/fire/war/operation/surgery/festival/party/project/tournament/championship/league/player/publisher/brand/retailer/supermarket/chain/label/studio/hospital/university/port/country]
mate	n	társ[társak,person] ; pajtás[pajtások]
motion	n	mozgás[mozgások] ; indítvány[indítványok]
movement	n	mozgás[mozgások] ; mozgalom[mozgalmak]
much	adv	sokkal ; nagyon
national	adj	nemzeti ; országos
neglect	v	el|hanyagol
occupy	v	el|foglal ; lefoglal
operation	n	művelet[műveletek] ; műtét[műtétek] ; működés ; műtét[műtétek,when=undergo/perform/heart/knee/hip/successful/emergency/eye/back/brain/surgical/cosmetic/cancer]
pace	n	tempó ; lépés[lépések]
pattern	n	minta ; mintázat[mintázatok]
pick	v	választ ; szed ; fel|vesz ; szed[when=flower/fruit/apple/berry/mushroom/strawberry/grape/cherry/tea/cotton]
plain	n	síkság[síkságok]
plain	adj	egyszerű[egyszerűek] ; sima ; sima[when=water/yoghurt/yogurt/flour/paper/text/chocolate/biscuit/rice/bread/omelette/background/shirt/envelope/cracker]
pool	n	medence ; tócsa
produce	v	termel ; gyárt ; elő|állít
raw	adj	nyers
rear	n	hátsó rész
rear	adj	hátsó
rear	v	fel|nevel
recognize	v	fel|ismer ; el|ismer
reference	n	hivatkozás[hivatkozások] ; utalás[utalások] ; ajánlás ; ajánlás[when=provide/write/give/employer/request/character/job/written/excellent]
regard	n	tekintet[tekintetek] ; tisztelet
regard	v	tekint ; tart
relieve	v	enyhít ; fel|ment
resolve	v	meg|old ; el|határoz
# --- WordNet's commonest lemmas by tagged senses, ranks 451 to 850
counter	n	pult[pultok] ; számláló
respect	n	tisztelet ; szempont[szempontok]
respect	v	tisztel
retire	v	vissza|vonul[noobj] ; nyugdíjba megy
roar	n	üvöltés ; morajlás
roar	v	üvölt[noobj] ; bömböl[noobj]
screen	n	képernyő ; vászon[vásznak]
screen	v	szűr ; vetít
shade	n	árnyék[árnyékok] ; árnyalat[árnyalatok] ; árnyalat[árnyalatok,when=colour/color/green/blue/red/yellow/grey/gray/pink/purple/brown/orange/lipstick/paint/light/pale/bright/same/different/darker/lighter]
shade	v	be|árnyékol
shadow	n	árnyék[árnyékok]
shot	n	lövés[lövések] ; felvétel[felvételek]
silver	n	ezüst[ezüstök]
silver	adj	ezüst
special	adj	különleges ; speciális
split	v	szét|választ ; el|oszt ; szét|válik
state	n	állam[államok,attr=állami] ; állapot[állapotok] ; állapot[állapotok,when=poor/good/bad/mental/physical/emotional/current/present/terrible/critical/stable/excellent/natural/original/liquid/solid]
state	v	ki|jelent ; állít
step	n	lépés[lépések] ; lépcsőfok[lépcsőfokok] ; lépcső[lépcsők,acc=lépcsőt,3sg=lépcsője,when=top/bottom/front/stone/concrete/wooden/marble/porch/stair/back/church] ; fok[fokok,3sg=foka,when=staircase/stairs/ladder/stairway]
step	v	lép[noobj]
strength	n	erő ; erősség[erősségek]
stress	n	feszültség[feszültségek] ; hangsúly[hangsúlyok]
stress	v	hangsúlyoz
stroke	n	agyvérzés[agyvérzések] ; ütés[ütések] ; vonás[vonások]
stroke	v	simogat
struggle	n	küzdelem[küzdelmek] ; harc[harcok]
struggle	v	küzd[noobj] ; küszködik
stuff	n	dolog[dolgok] ; cucc[cuccok]
stuff	v	töm ; be|töm
supply	n	ellátás ; készlet[készletek] ; készlet[készletek,pl] ; ellátás[when=water/power/gas/electricity/energy/heat/oxygen]
supply	v	el|lát ; szállít
surface	n	felület[felületek] ; felszín[felszínek]
taste	n	íz[ízek] ; ízlés
taste	v	ízlel ; meg|kóstol
tone	n	hang[hangok,3sg=hangja] ; hangnem[hangnemek]
track	n	nyom[nyomok] ; pálya ; vágány[vágányok] ; sín[sínek,3sg=sínje,pp=sínjei,when=cross/crossing/crossed/railway/train/tram/rail]
track	v	követ ; nyomon követ
value	n	érték[értékek]
value	v	értékel ; becsül
weight	n	súly[súlyok] ; teher[terhek]
wire	n	drót[drótok,3sg=drótja] ; vezeték[vezetékek]
abandon	v	el|hagy ; fel|ad
abstract	adj	elvont ; absztrakt
abstract	n	kivonat[kivonatok] ; összefoglaló
account	n	számla ; beszámoló ; beszámoló[when=detailed/firsthand/personal/full/eyewitness/give/written/brief/vivid/historical/official/graphic] ; fiók[fiókok,3sg=fiókja,when=create/user/email/google/facebook/twitter/instagram/online/social/delete/register/admin/administrator/guest/microsoft/apple/steam/activate/activated/log/login/password/app]
anticipate	v	számít[obj=ra] ; előre lát
appeal	n	fellebbezés ; vonzás ; kérés[kérések]
appeal	v	fellebbez[noobj] ; kér
area	n	terület[területek] ; környék[környékek]
arouse	v	fel|kelt ; fel|ébreszt
assure	v	biztosít ; meg|nyugtat
attention	n	figyelem[figyelmek]
authority	n	hatóság[hatóságok,from=tol] ; tekintély[tekintélyek] ; hatalom[hatalmak]
background	n	háttér[hátterek]
belt	n	öv[övek,3sg=öve] ; szíj[szíjak]
bind	v	köt ; meg|köt
boost	n	lendület[lendületek] ; ösztönzés
boost	v	növel ; fel|lendít
border	n	határ[határok] ; szegély[szegélyek]
brilliant	adj	ragyogó ; zseniális
cast	n	szereposztás ; gipsz[gipszek]
cast	v	vet ; dob ; önt ; le|ad[when=vote/ballot]
circle	n	kör[körök]
circle	v	kering[noobj] ; be|karikáz
composition	n	összetétel ; fogalmazás[fogalmazások] ; zenemű[zeneművek]
concentration	n	koncentráció ; összpontosítás
conclusion	n	következtetés[következtetések] ; befejezés
connect	v	csatlakoztat[to=hoz,state,intr=csatlakozik] ; össze|köt ; kapcsol
consider	v	meg|fontol ; tekint ; gondol
continue	v	folytat[intr=folytatódik] ; folytatódik
contrast	n	ellentét[ellentétek] ; kontraszt[kontrasztok]
conventional	adj	hagyományos ; szokványos
convert	v	át|alakít ; át|vált
coordinate	v	össze|hangol
core	n	mag[magok,3sg=magja] ; lényeg[lényegek]
correct	adj	helyes ; pontos ; megfelelő[when=stamp/postage/size/tool/equipment/dose/dosage/fee/documents/form/setting/settings/temperature/position/order]
correct	v	ki|javít ; javít
course	n	tanfolyam[tanfolyamok] ; fogás[fogások] ; pálya
court	n	bíróság[bíróságok] ; udvar[udvarok] ; pálya ; pálya[when=tennis/basketball/squash/badminton/volleyball/clay/grass/indoor] ; udvar[udvarok,when=royal/imperial/palace]
crowd	n	tömeg[tömegek]
crowd	v	tolong[noobj] ; zsúfol
curse	n	átok[átkok]
curse	v	átkoz ; káromkodik
curve	n	görbe ; kanyar[kanyarok,3sg=kanyarja]
curve	v	kanyarodik ; hajlít
debate	n	vita[to=ra,at=n]
debate	v	vitat ; meg|vitat
degree	n	fok[fokok,3sg=foka,at=n,to=ra] ; mérték[mértékek] ; diploma ; diploma[when=university/college/master/bachelor/law/medical/get/earn/hold/obtain/complete/honorary/postgraduate/undergraduate/doctoral]
delicate	adj	kényes ; finom[finomak] ; törékeny
desire	n	vágy[vágyak]
desire	v	kíván ; vágyik[obj=ra]
detail	n	részlet[részletek]
detail	v	részletez
distribute	v	el|oszt ; terjeszt
divide	v	el|oszt ; oszt ; fel|oszt ; meg|oszt[when=resident/residents/opinion/public/country/nation/party/people/voter/voters/community/family/society]
engage	v	le|köt ; alkalmaz
enter	v	be|lép[obj=ba] ; be|nevez[obj=ra,when=contest/competition/race/tournament/championship/marathon/quiz/draw/raffle/lottery/show/league/cup/challenge] ; be|megy[obj=ba] ; be|ír ; meg|ad[when=password/code/pin/username/detail/address/email/name/number/date/amount/information/postcode/zip/value]
estimate	n	becslés[becslések]
estimate	v	becsül ; fel|becsül
even	adv	még ; is
even	adj	egyenletes ; páros ; sima
evidence	n	bizonyíték[bizonyítékok]
expose	v	ki|tesz[to=nak] ; le|leplez
express	v	ki|fejez
express	adj	gyors[gyorsak] ; expressz
expression	n	kifejezés[kifejezések] ; arckifejezés
extreme	adj	szélsőséges ; rendkívüli
extreme	n	véglet[végletek]
fan	n	rajongó ; ventilátor[ventilátorok] ; legyező ; ventilátor[ventilátorok,when=ceiling/electric/desk/cooling/extractor/switch/turn]
flight	n	járat[járatok] ; repülés ; menekülés
flush	v	le|húz ; el|pirul[noobj]
forward	adv	előre
function	n	funkció ; működés ; függvény[függvények]
function	v	működik
further	adv	tovább ; továbbá
further	adj	további
gas	n	gáz[gázok] ; benzin[benzinek,3sg=benzinje]
gay	adj	meleg[melegek] ; vidám
grip	n	fogás[fogások] ; markolat[markolatok]
grip	v	meg|ragad ; szorít
guarantee	n	garancia ; biztosíték[biztosítékok]
guarantee	v	garantál ; szavatol
guess	n	találgatás ; tipp[tippek,3sg=tippje]
guess	v	ki|talál ; találgat
halt	n	megállás ; leállás
halt	v	meg|áll[noobj] ; le|állít
handle	n	fogantyú ; kilincs[kilincsek]
handle	v	kezel ; el|intéz
handlebars	n	kormány[kormányok,3sg=kormánya]
heat	n	hőség[hőségek] ; hő ; meleg[melegek] ; láng[lángok,3sg=lángja,pp=lángjai,when=low/medium/moderate/gentle/high]
heat	v	fel|melegít ; melegít ; fűt[when=pool/basin/house/home/room/rooms/building/flat/apartment/office/classroom/school/greenhouse/hall/church/bath/sauna/tent]
heave	v	emel ; fel|emel
hollow	adj	üreges ; üres
horn	n	szarv[szarvak] ; kürt[kürtök] ; duda
host	n	házigazda[person] ; műsorvezető
identify	v	azonosít ; fel|ismer
individual	n	személy[személyek]
individual	adj	egyéni ; egyedi
influence	n	befolyás[befolyások] ; hatás[hatások]
influence	v	befolyásol
interpret	v	értelmez ; tolmácsol
judge	n	bíró[person] ; zsűritag[zsűritagok,3sg=zsűritagja,pp=zsűritagjai,person,near=competition/competitions/contest/contestant/contestants/prize/prizes/entries/finalist/finalists/talent/jury/fair/festival/show]
judge	v	ítél ; meg|ítél
judgment	n	ítélet[ítéletek] ; ítélőképesség
lay	v	le|tesz[on=ra,in=ba] ; fektet ; rak ; rak[when=egg] ; le|rak[when=foundation/brick/cable/pipe/track] ; meg|terít[when=table]
liberal	adj	liberális ; bőkezű
limit	n	határ[határok] ; korlát[korlátok,3sg=korlátja]
limit	v	korlátoz
liquid	n	folyadék[folyadékok]
liquid	adj	folyékony
matter	n	ügy[ügyek] ; anyag[anyagok] ; dolog[dolgok]
matter	v	számít[noobj]
minor	adj	kisebb ; jelentéktelen
north	n	észak[északok,3sg=északja,in=n,from=rol,to=ra]
north	adj	északi
north	adv	északra
opening	n	nyílás[nyílások] ; megnyitó
opening	adj	nyitó
organize	v	szervez ; meg|szervez
pale	adj	sápadt ; halvány ; világos[when=mixture/ale/beer/batter/wood/stone] ; halvány[when=sky/light/colour/color/blue/green/pink/yellow/grey/gray/brown/moon/sun/shade/wood/cream/purple/red]
passion	n	szenvedély[szenvedélyek]
past	n	múlt[múltak,3sg=múltja]
past	adj	elmúlt ; múlt
past	adv	el
plot	n	cselekmény[cselekmények] ; összeesküvés ; telek[telkek]
plot	v	tervez ; ábrázol
plunge	v	zuhan[noobj,to=ra,by=val] ; bele|márt
positive	adj	pozitív ; biztos
pound	n	font[fontok,3sg=fontja]
pound	v	dönget[thing=ver] ; püföl
prepare	v	készít[intr=készül,for=ra] ; elő|készít ; fel|készül
president	n	elnök[elnökök,person]
pressure	n	nyomás[nyomások]
principle	n	elv[elvek] ; alapelv[alapelvek]
program	n	program[programok,3sg=programja] ; műsor[műsorok]
program	v	programoz
protest	n	tiltakozás[tiltakozások]
protest	v	tiltakozik
race	n	verseny[versenyek] ; faj[fajok,acc=fajt]
race	v	versenyez ; száguld[noobj]
radical	adj	radikális ; gyökeres
rage	n	düh ; őrjöngés
rage	v	tombol[noobj] ; dühöng[noobj]
rally	n	nagygyűlés
rally	v	gyűjt ; össze|gyűjt
rate	n	arány[arányok] ; ütem[ütemek] ; díj[díjak]
rate	v	értékel ; osztályoz
real	adj	valódi ; igazi ; valós
refer	v	utal[to=ra] ; hivatkozik[to=ra]
remove	v	el|távolít ; le|vesz ; ki|vesz[when=battery/sim/card/tray/filter/cartridge/plug/stone/seed/pit/bone/cake/bread/dish/pan/chicken/meat/roast]
repeat	v	meg|ismétel ; ismétel
reserve	n	tartalék[tartalékok] ; rezervátum[rezervátumok]
reserve	v	le|foglal[state] ; fenn|tart
resolution	n	határozat[határozatok] ; felbontás ; elhatározás
reverse	n	ellentét[ellentétek] ; hátramenet[hátramenetek]
reverse	v	meg|fordít ; vissza|fordít
review	n	áttekintés[áttekintések] ; kritika ; felülvizsgálat[felülvizsgálatok]
review	v	át|tekint ; felülvizsgál
reward	n	jutalom[jutalmak]
reward	v	meg|jutalmaz[for=ert] ; jutalmaz[for=ert]
root	n	gyökér[gyökerek]
rush	n	rohanás ; roham[rohamok]
rush	v	rohan[noobj] ; siet[noobj]
scale	n	skála ; mérleg[mérlegek] ; méret[méretek]
search	n	keresés[keresések] ; kutatás[kutatások]
search	v	keres ; át|kutat ; át|kutat[when=room/house/building/car/flat/apartment/bag/pocket/area/premises/home/office/vehicle/luggage/suitcase]
secret	n	titok[titkok]
secret	adj	titkos
section	n	rész[részek] ; szakasz[szakaszok] ; fejezet[fejezetek]
secure	adj	biztonságos ; biztos
secure	v	biztosít ; meg|szerez
sense	n	érzék[érzékek] ; értelem[értelmek] ; érzés[érzések]
sense	v	érez ; meg|érez
smell	n	szag[szagok] ; illat[illatok]
smell	v	szagol ; meg|szagol
smooth	adj	sima ; egyenletes
smooth	v	egyenget
source	n	forrás[források]
south	n	dél[delek,sup=délen,in=n,from=rol,to=ra]
south	adj	déli
south	adv	délre
speech	n	beszéd[beszédek] ; előadás
spell	n	varázslat[varázslatok] ; időszak[időszakok]
spell	v	betűz ; le|betűz
spray	n	permet
spray	v	permetez ; fúj
stake	n	tét[tétek] ; karó ; részesedés
stall	n	stand[standok,3sg=standja] ; bódé
stall	v	le|fullad[noobj] ; halogat
stick	n	bot[botok,3sg=botja] ; pálca
stick	v	ragaszt ; ragad[noobj,pass=meg|reked,thingpass=be|ragad] ; szúr
stimulate	v	serkent ; ösztönöz
stir	v	kever ; meg|kever ; mozdul[noobj]
suffering	n	szenvedés[szenvedések]
surge	n	hullám[hullámok] ; megugrás
surge	v	meg|ugrik[noobj,to=ra,by=val]
sustain	v	fenn|tart ; el|szenved
switch	n	kapcsoló ; váltás[váltások]
switch	v	vált ; kapcsol ; át|vált ; kapcsol[when=phone/mobile/device/computer/laptop/tv/television/radio/heating/engine/camera/setting/settings/mode]
tap	n	csap[csapok,3sg=csapja] ; koppintás
tap	v	koppint[obj=ra,on=ra] ; kopogtat
tear	n	könny[könnyek] ; könnycsepp[könnycseppek,3sg=könnycseppje,when=single/few/one/two] ; szakadás[szakadások,when=wear/small/muscle/ligament/fabric/cloth]
tear	v	el|tép[intr=el|szakad] ; szakít
tender	adj	gyengéd ; puha ; puha[when=meat/steak/chicken/beef/lamb/pork/vegetable/carrot/potato]
term	n	kifejezés[kifejezések] ; időszak[időszakok] ; félév[félévek] ; ciklus[ciklusok,when=second/third/fourth/presidential/serve/win/consecutive/seek/fifth/parliamentary] ; táv[távok,3sg=távja,pp=távjai,when=long/short/medium] ; félév[félévek,when=summer/autumn/spring/winter/school/academic/end/start/beginning/half]
total	n	összeg[összegek] ; végösszeg[végösszegek]
total	adj	teljes ; összes
tough	adj	kemény ; nehéz[nehezek] ; szívós
transport	n	szállítás ; közlekedés
transport	v	szállít ; el|szállít
trick	n	trükk[trükkök,3sg=trükkje] ; csel[cselek]
trick	v	be|csap ; rá|szed
trim	v	nyír ; le|nyír ; díszít
tumble	v	bukfencezik ; le|esik ; zuhan[noobj,to=ra,by=val]
up	adv	fel ; fent
volume	n	hangerő ; kötet[kötetek] ; térfogat[térfogatok] ; hangerő[when=turn/adjust/lower/full/maximum/sound]
vote	n	szavazat[szavazatok] ; szavazás[szavazások]
vote	v	szavaz[noobj,on=rol]
wild	adj	vad[vadak] ; zabolátlan ; őrült[when=party/night/dream/idea/guess/ride/life/time/week/weekend/rumour/rumor/speculation/claim/story/theory]
withdraw	v	vissza|von ; ki|vesz ; vissza|vonul[noobj] ; fel|vesz[when=money/cash/fund/euro/dollar/pound/amount/forint] ; ki|von[when=troop/force/soldier/army/ambassador]
witness	n	tanú[person]
witness	v	lát ; tanúsít
wonder	n	csoda ; csodálkozás
wonder	v	kíváncsi |van[noobj] ; csodálkozik ; tűnődik
youth	n	ifjúság[person] ; fiatalság
adopt	v	el|fogad ; örökbe fogad
affect	v	érint ; befolyásol ; hat[obj=ra]
age	n	kor[korok] ; életkor[életkorok] ; korszak[korszakok]
age	v	öregedik
ahead	adv	előre ; előtt
aid	n	segítség ; segély[segélyek]
aid	v	segít[obj=nak]
appearance	n	megjelenés ; külső
appreciation	n	elismerés ; megbecsülés
arise	v	fel|merül[noobj] ; keletkezik
arrange	v	el|rendez ; meg|szervez
arrangement	n	elrendezés ; megállapodás[megállapodások]
assign	v	ki|jelöl ; ki|oszt
association	n	egyesület[egyesületek] ; társulás ; kapcsolat[kapcsolatok]
assume	v	fel|tételez ; vállal
atmosphere	n	légkör[légkörök] ; hangulat[hangulatok]
attend	v	részt |vesz[obj=on] ; jár[obj=ba,when=school/university/college/kindergarten/nursery/church]
award	n	díj[díjak] ; kitüntetés[kitüntetések]
award	v	oda|ítél ; ad
beginning	n	kezdet[kezdetek]
benefit	n	előny[előnyök] ; haszon[hasznok] ; juttatás
benefit	v	profitál[from=bol,noobj] ; segít[obj=nak]
betray	v	el|árul ; árul
bit	n	darab[darabok,3sg=darabja] ; kicsi ; bit[bitek]
bite	n	harapás[harapások] ; falat[falatok,3sg=falatja]
bite	v	harap ; meg|harap
bitter	adj	keserű[keserűek]
blame	n	hibáztatás ; felelősség
blame	v	hibáztat[for=ert]
blast	n	robbanás[robbanások] ; lökés
blast	v	fel|robbant
blaze	n	tűz[tüzek] ; lángolás
blaze	v	lángol[noobj]
bloom	n	virágzás ; virág[virágok]
bloom	v	virágzik
board	n	tábla ; deszka ; testület[testületek] ; deszka[when=ironing/cutting/chopping/wooden/surf] ; testület[testületek,when=appoint/elect/chair/advisory/executive/editorial]
board	v	fel|száll[noobj,obj=ra] ; be|száll[noobj,obj=ba]
bottom	n	alj[3sg=alja,at=n] ; fenék[fenekek] ; alsó rész
brass	n	réz[rezek]
brief	adj	rövid ; tömör
broad	adj	széles ; tág
bull	n	bika
bunch	n	csokor[csokrok] ; fürt[fürtök] ; csomó
bury	v	el|temet ; temet
buzz	v	zümmög[noobj] ; zúg[noobj]
campaign	n	kampány[kampányok] ; hadjárat[hadjáratok]
cap	n	sapka ; kupak[kupakok,3sg=kupakja]
capable	adj	képes ; tehetséges
capacity	n	kapacitás ; befogadóképesség ; képesség[képességek]
captain	n	kapitány[kapitányok,person]
carrier	n	szállító[person] ; hordozó
casual	adj	hétköznapi ; alkalmi ; laza
chain	n	lánc[láncok]
chatter	v	fecseg[noobj] ; csacsog[noobj]
chill	n	hideg[hidegek] ; megfázás
choke	v	fullad[noobj] ; fojtogat
clap	v	tapsol[noobj]
claw	n	karom[karmok]
club	n	klub[klubok,3sg=klubja] ; bot[botok,3sg=botja]
collapse	n	összeomlás
collapse	v	össze|esik ; össze|dől[noobj]
collect	v	gyűjt ; össze|gyűjt ; be|szed ; el|visz[when=bicycle/bike/car/repair/watch/laptop/computer/phone/suit/shoes] ; el|hoz[when=child/children/kid/kids/son/daughter/grandson/granddaughter/dog/luggage/suitcase/bag/coat/glasses] ; el|szállít[when=waste/rubbish/garbage/bin/bins/recycling/litter/refuse] ; át|vesz[when=parcel/package/order/ticket/tickets/key/keys/prize/award/delivery/letter/post/mail/document/documents/certificate/passport/medal/trophy/diploma/property]
comb	n	fésű
comb	v	fésül ; meg|fésül
comfort	n	kényelem[kényelmek] ; vigasz[vigaszok]
comfort	v	vigasztal ; meg|vigasztal
commit	v	el|követ ; el|kötelez
compose	v	komponál ; szerez ; alkot
compound	n	vegyület[vegyületek] ; összetett szó
compound	adj	összetett
condemn	v	el|ítél ; el|marasztal
confused	adj	zavaros ; összezavarodott
connection	n	kapcsolat[kapcsolatok] ; csatlakozás[csatlakozások] ; csatlakozás[csatlakozások,when=miss/catch]
construction	n	építés ; építkezés[építkezések] ; szerkezet[szerkezetek]
contend	v	küzd[noobj] ; állít
copy	n	másolat[másolatok] ; példány[példányok]
copy	v	le|másol ; másol
cost	n	költség[költségek] ; ár[árak]
cost	v	kerül[obj=ba]
creation	n	teremtés ; létrehozás ; alkotás[alkotások]
crow	n	varjú
crush	v	össze|tör ; össze|nyom
dash	n	gondolatjel[gondolatjelek] ; rohanás
dash	v	rohan[noobj] ; ver
decay	n	bomlás ; romlás ; hanyatlás
decay	v	rothad[noobj]
declare	v	ki|jelent ; ki|hirdet
deduction	n	levonás[levonások] ; következtetés[következtetések]
defend	v	véd ; meg|véd
delay	n	késés[késések] ; halasztás
delay	v	késleltet[pass=késik,until=ra] ; el|halaszt[until=ra]
deposit	n	előleg[előlegek] ; befizetés ; lerakódás ; kaució[when=security/rental/refundable/return/refund/damage/tenancy]
deposit	v	be|fizet ; le|tesz
derive	v	származtat ; ered[noobj]
desperate	adj	kétségbeesett ; elkeseredett
discipline	n	fegyelem[fegyelmek] ; tudományág[tudományágak]
dissolve	v	fel|old ; fel|oszlat
distance	n	távolság[távolságok]
disturb	v	zavar ; meg|zavar
disturbance	n	zavar[zavarok] ; zavargás[zavargások]
division	n	osztás ; részleg[részlegek] ; megosztottság
dodge	v	ki|tér[noobj] ; el|kerül
draft	n	vázlat[vázlatok] ; tervezet[tervezetek] ; huzat[huzatok]
drift	v	sodródik ; árad[noobj,when=smell/scent/aroma/smoke/fragrance/music/sound/perfume/odour/odor/laughter/voice]
ease	n	könnyedség ; kényelem[kényelmek]
ease	v	enyhít
east	n	kelet[keletek,in=n,from=rol,to=ra]
east	adj	keleti
east	adv	keletre
education	n	oktatás ; nevelés ; műveltség
effective	adj	hatékony ; hatásos
eliminate	v	ki|küszöböl ; ki|zár
embrace	v	át|ölel ; ölel
engagement	n	eljegyzés[eljegyzések] ; elkötelezettség
entry	n	belépés ; bejárat[bejáratok] ; bejárat[bejáratok,when=main/front/back/side/rear/separate/use] ; bejegyzés[bejegyzések,when=diary/blog/dictionary/journal/log/list/wikipedia/calendar/database] ; nevezés[nevezések,near=competition/competitions/contest/contestant/contestants/prize/prizes/judges/jury/shortlist/shortlisted/winner/winners]
error	n	hiba ; tévedés[tévedések]
erupt	v	ki|tör[noobj]
establishment	n	létesítmény[létesítmények] ; létrehozás ; intézmény[intézmények]
evil	n	gonosz[gonoszok] ; gonoszság
evil	adj	gonosz
examine	v	meg|vizsgál ; vizsgál
excuse	n	kifogás[kifogások] ; mentség[mentségek]
excuse	v	meg|bocsát ; ki|ment
expand	v	tágul[noobj] ; növel
extension	n	bővítés ; meghosszabbítás ; mellék[mellékek]
extract	v	ki|von ; ki|húz
factor	n	tényező
fail	v	meg|bukik[thing=le|áll,obj=on] ; kudarcot vall ; meg|hiúsul[noobj,when=talk/talks/negotiations/plan/plans/attempt/attempts/effort/efforts/bid/deal/mission/scheme]
failure	n	kudarc[kudarcok] ; hiba ; meghibásodás
faint	adj	halvány ; gyenge
faint	v	el|ájul[noobj]
fair	adj	igazságos ; tisztességes ; szőke ; szőke[when=hair] ; világos[when=skin/complexion] ; szép[when=weather] ; tisztességes[when=price/deal/trial/share/wage/pay/competition/treatment/chance/play/game/offer/process/system/rent] ; méltányos[when=compromise/solution/settlement]
fair	n	vásár[vásárok,at=on,to=ra,in=on]
fancy	adj	díszes ; elegáns
fear	n	félelem[félelmek]
fear	v	fél[obj=tol] ; tart[obj=tol]
feature	n	jellemző ; tulajdonság[tulajdonságok] ; vonás[vonások]
feeling	n	érzés[érzések] ; érzelem[érzelmek]
flag	n	zászló
flare	n	fellángolás ; jelzőrakéta
flock	n	nyáj[nyájak] ; csapat[csapatok]
formation	n	képződés ; alakulat[alakulatok]
formula	n	képlet[képletek] ; formula
foul	adj	undorító ; szabálytalan
freeze	v	fagy[noobj,pass=be|fagy] ; meg|fagy[noobj] ; le|fagyaszt ; le|fagy[noobj,when=screen/computer/phone/laptop/app/system/program/browser] ; be|fagy[noobj,when=river/lake/pond/pipe/canal/sea/pitch/ground]
future	n	jövő[jövők]
future	adj	jövőbeli ; jövendő
gather	v	gyűjt[intr=össze|gyűlik] ; össze|gyűlik
general	adj	általános
general	n	tábornok[tábornokok,person]
gentle	adj	szelíd ; gyengéd
gleam	v	csillog[noobj]
grace	n	kecsesség ; kegyelem[kegyelmek]
grind	v	őröl ; meg|őröl
growth	n	növekedés ; fejlődés
hail	n	jégeső
hall	n	előszoba[to=ba,at=ban] ; csarnok[csarnokok] ; terem[termek,when=concert/lecture/dining/exhibition/banquet/wedding/assembly/exam/examination/main/great/meeting]
harbor	n	kikötő[at=ban,in=ban,to=ba,from=bol]
heavily	adv	erősen ; nagyon ; nehezen
honor	n	becsület ; tisztelet ; megtiszteltetés
hook	n	horog[horgok] ; kampó
humor	n	humor[humorok]
idle	adj	tétlen ; üresjáratú
image	n	kép[képek] ; imázs
import	n	import[importok,3sg=importja] ; behozatal
impulse	n	impulzus[impulzusok] ; késztetés
indicate	v	jelez ; mutat
interview	n	interjú[to=ra,at=n,for=ra] ; állásinterjú[to=ra,at=n]
interview	v	ki|kérdez ; interjút készít
intimate	adj	bensőséges ; intim
involve	v	érint ; be|von ; magában foglal
jam	n	lekvár[lekvárok,3sg=lekvárja] ; dugó
jerk	v	rándul[noobj] ; rángat
join	v	csatlakozik[obj=hoz] ; össze|köt
joke	n	vicc[viccek] ; tréfa
joke	v	viccel[noobj,about=rol] ; tréfál[noobj]
# --- WordNet's commonest lemmas by tagged senses, ranks 851 to 1284
critical	adj	kritikus ; döntő
complement	n	kiegészítés ; kiegészítő
damn	adj	átkozott
junior	adj	fiatalabb ; ifjabb ; alsóbb
knot	n	csomó
knot	v	meg|köt ; össze|csomóz
lean	v	hajol[noobj] ; támaszkodik
lean over	v	át|hajol[noobj,obj=on]
lean	adj	sovány ; szikár
let	v	hagy ; enged[obj=nak]
lightly	adv	könnyedén ; enyhén
link	n	link[linkek,3sg=linkje] ; kapcsolat[kapcsolatok] ; hivatkozás[hivatkozások] ; láncszem[láncszemek]
link	v	össze|kapcsol ; össze|köt
lump	n	darab[darabok,3sg=darabja] ; csomó ; daganat[daganatok]
maintain	v	fenn|tart ; karban|tart ; állít
manage	v	irányít ; vezet ; boldogul[noobj]
medium	n	közeg[közegek] ; eszköz[eszközök]
medium	adj	közepes
mention	n	említés[említések]
mention	v	meg|említ ; említ
mess	n	rendetlenség ; zűrzavar[zűrzavarok]
moderate	adj	mérsékelt ; közepes
modern	adj	modern
nail	n	szög[szögek] ; köröm[körmök] ; köröm[körmök,when=finger/toe/bite/cut/paint/polish/file/long/false/broken]
nail	v	szögez ; fel|szögez
net	n	háló
net	adj	nettó
nod	v	bólint[noobj] ; bólogat[noobj]
object	n	tárgy[tárgyak] ; cél[célok,3sg=célja]
object	v	tiltakozik ; kifogásol
obscure	adj	homályos ; ismeretlen
observation	n	megfigyelés[megfigyelések] ; észrevétel[észrevételek]
off	adv	el ; le ; ki
officer	n	tiszt[tisztek,person] ; rendőr[rendőrök] ; tisztviselő
official	n	tisztviselő[person] ; hivatalnok[hivatalnokok]
official	adj	hivatalos
operate	v	működik ; üzemeltet ; operál ; kezel[when=machinery/machine/equipment]
opinion	n	vélemény[vélemények]
opposition	n	ellenzék[ellenzékek,from=tol,attr=ellenzéki] ; ellenállás
original	n	eredeti
original	adj	eredeti
parallel	adj	párhuzamos
patch	n	folt[foltok] ; tapasz[tapaszok] ; parcella
peak	n	csúcs[csúcsok] ; hegycsúcs[hegycsúcsok]
personally	adv	személyesen
physical	adj	fizikai ; testi
pile	n	halom[halmok] ; kupac[kupacok]
pile	v	halmoz ; fel|halmoz
plane	n	repülőgép[repülőgépek,by=val] ; sík[síkok,3sg=síkja]
poison	n	méreg[mérgek]
poison	v	meg|mérgez ; mérgez
polish	n	fényezés
polish	v	fényesít ; csiszol
pop	v	pukkan[noobj] ; ki|pattan[noobj]
pot	n	fazék[fazekak] ; edény[edények] ; cserép[cserepek]
pour	v	önt ; ki|tölt
presence	n	jelenlét
presentation	n	előadás[előadások] ; prezentáció ; bemutatás
preserve	v	tartósít ; meg|tart
prick	v	meg|szúr ; szúr
primary	adj	elsődleges ; fő ; általános
prime	adj	fő ; elsőrendű ; kiváló
proceed	v	halad[noobj] ; folytat
process	n	folyamat[folyamatok] ; eljárás[eljárások]
process	v	fel|dolgoz
progress	n	haladás ; fejlődés ; előrehaladás
progress	v	halad[noobj] ; fejlődik
propose	v	javasol ; meg|kér
pure	adj	tiszta ; puszta
reading	n	olvasás[olvasások] ; értelmezés
rebel	n	lázadó[person]
rebel	v	lázad[noobj] ; fel|lázad[noobj]
recall	v	vissza|emlékszik[obj=ra] ; vissza|hív
recruit	v	fel|vesz
reflection	n	tükröződés ; tükörkép[tükörképek] ; elmélkedés
refuse	v	el|utasít ; vissza|utasít ; meg|tagad
regret	n	sajnálat ; megbánás
regret	v	sajnál ; meg|bán
relate	v	kapcsolódik ; el|mesél
render	v	tesz ; nyújt ; vissza|ad
rent	n	lakbér[lakbérek] ; bérleti díj
rent	v	bérel ; ki|bérel ; ki|ad
representative	n	képviselő[person]
representative	adj	reprezentatív ; jellemző
response	n	válasz[válaszok] ; reakció
result	n	eredmény[eredmények] ; következmény[következmények]
result	v	ered[noobj]
rhythm	n	ritmus[ritmusok] ; ütem[ütemek]
row	n	sor[sorok] ; veszekedés ; vita[viták,when=spark/cause/trigger/provoke/settle/reignite]
row	v	evez[noobj]
sail	n	vitorla
sail	v	hajózik ; vitorlázik
scatter	v	szét|szór ; szór
scream	n	sikoly[sikolyok] ; sikítás
scream	v	sikolt[noobj] ; kiabál[noobj]
seal	n	pecsét[pecsétek,3sg=pecsétje] ; fóka ; tömítés
seal	v	le|zár[state] ; le|pecsétel
separation	n	elválasztás ; különválás ; szétválás
sequence	n	sorrend[sorrendek] ; sorozat[sorozatok]
settlement	n	település[települések] ; megegyezés ; rendezés
severe	adj	súlyos ; szigorú ; kemény[when=winter/frost/cold/climate/test] ; heves[when=storm/thunderstorm/wind/gale/pain/rain/fighting]
sick	adj	beteg[betegek]
silence	n	csend[csendek] ; hallgatás
silence	v	el|hallgattat
sketch	n	vázlat[vázlatok] ; jelenet[jelenetek]
sketch	v	vázol ; fel|vázol
slender	adj	karcsú[karcsúak] ; vékony
smart	adj	okos ; elegáns ; elegáns[when=suit/dress/clothes/jacket/shirt/shoe/restaurant/hotel/outfit/look/appearance/uniform/hat/tie/coat]
social	adj	társadalmi ; szociális ; társasági
spare	adj	tartalék ; szabad[szabadok]
spare	v	kímél ; meg|kímél ; nélkülöz
spark	n	szikra
spark	v	ki|vált ; szikrázik
specify	v	meg|határoz ; pontosít
splash	v	fröcsköl ; loccsan[noobj]
stain	n	folt[foltok]
stain	v	be|szennyez ; foltot hagy
standard	n	szabvány[szabványok] ; színvonal[színvonalak] ; mérce
standard	adj	szabványos ; szokásos
store	n	bolt[boltok,to=ba,at=ban] ; üzlet[üzletek] ; raktár[raktárak]
store	v	tárol ; el|tesz
structure	n	szerkezet[szerkezetek] ; felépítés ; építmény[építmények]
style	n	stílus[stílusok] ; divat[divatok,3sg=divatja]
suggest	v	javasol ; indítványoz
suit	n	öltöny[öltönyök] ; per[perek]
suit	v	meg|felel[obj=nak] ; passzol[noobj]
sum	n	összeg[összegek]
superior	adj	felsőbb ; kiváló ; jobb[jobbak]
superior	n	felettes[person]
survey	n	felmérés[felmérések] ; áttekintés
survey	v	fel|mér ; át|tekint
suspect	n	gyanúsított[gyanúsítottak,3sg=gyanúsítottja,person]
suspect	v	gyanít ; gyanúsít[person]
suspend	v	fel|függeszt ; fel|akaszt
swallow	n	fecske ; korty[kortyok]
swallow	v	le|nyel ; nyel
target	n	cél[célok,3sg=célja] ; célpont[célpontok]
third	adj	harmadik
third	n	harmad[harmadok]
thrill	n	izgalom[izgalmak] ; borzongás
thrill	v	fel|villanyoz
tip	n	tipp[tippek,3sg=tippje] ; borravaló ; hegy[hegyek] ; borravaló[when=leave/generous/big/small/include]
tip	v	fel|borít ; borravalót ad
trail	n	ösvény[ösvények] ; nyom[nyomok]
trail	v	követ ; vonszol
translate	v	fordít[into=ra,perf=le] ; le|fordít
tread	v	lép[noobj] ; tapos
treasure	n	kincs[kincsek]
treat	v	kezel ; bánik[with=val] ; meg|vendégel
understanding	n	megértés ; értelem[értelmek]
unit	n	egység[egységek]
unknown	adj	ismeretlen
urge	n	késztetés ; vágy[vágyak]
urge	v	sürget ; ösztönöz
variable	n	változó
variable	adj	változó
variation	n	változat[változatok] ; eltérés[eltérések]
venture	n	vállalkozás[vállalkozások]
venture	v	meg|kockáztat ; merészkedik
vision	n	látás ; látomás[látomások] ; jövőkép[jövőképek]
volunteer	n	önkéntes[person]
volunteer	v	jelentkezik[noobj,for=ra] ; önkénteskedik[noobj]
waste	n	hulladék[hulladékok] ; pazarlás ; szemét[szemetek]
waste	v	pazarol ; el|pazarol ; el|veszteget
welcome	v	fogad ; köszönt
welcome	adj	szívesen látott
west	n	nyugat[nyugatok,in=n,from=rol,to=ra]
west	adj	nyugati
west	adv	nyugatra
wheel	n	kerék[kerekek] ; kormány[kormányok]
wheel	v	tol ; gurít
whip	n	ostor[ostorok]
whip	v	meg|korbácsol ; fel|ver ; fel|ver[when=cream/egg/white/mixture/butter]
whirl	v	pörget
whistle	v	fütyül[noobj] ; fütyörészik
will	n	akarat[akaratok] ; végrendelet[végrendeletek]
working	adj	működő ; dolgozó
writing	n	írás[írások]
zero	n	nulla
abroad	adv	külföldön ; külföldre
absolute	adj	abszolút ; teljes
abstraction	n	elvonatkoztatás ; absztrakció
academic	adj	tudományos ; akadémiai
acceptance	n	elfogadás
accommodate	v	el|szállásol ; alkalmazkodik
accompany	v	el|kísér ; kísér
ache	n	fájdalom[fájdalmak]
ache	v	fáj[noobj]
acknowledge	v	el|ismer ; beismer
actual	adj	tényleges ; valódi
adjust	v	be|állít ; igazít ; alkalmazkodik
administer	v	irányít ; be|ad
administration	n	igazgatás ; kormányzat[kormányzatok] ; adminisztráció
admit	v	be|ismer ; el|ismer ; be|enged
agent	n	ügynök[ügynökök] ; szer[szerek]
agreement	n	megállapodás[megállapodások] ; egyetértés
alarm	n	riasztó ; riadalom[riadalmak] ; ébresztőóra ; ébresztőóra[when=set]
alarm	v	meg|ijeszt ; riaszt
allowance	n	juttatás[juttatások] ; zsebpénz[zsebpénzek]
along	adv	végig ; tovább
alternate	adj	váltakozó
american	n	amerikai[person]
american	adj	amerikai
anchor	n	horgony[horgonyok]
anchor	v	le|horgonyoz
announce	v	be|jelent ; ki|hirdet ; ki|hirdet[when=result/winner/verdict/shortlist/nominee/finalist]
apart	adv	külön ; szét
appointed	adj	kijelölt ; kinevezett
argument	n	vita ; érv[érvek]
arrest	n	letartóztatás
arrest	v	le|tartóztat
art	n	művészet[művészetek,attr=művészeti]
articulate	v	ki|fejez ; artikulál
assert	v	állít ; ki|jelent
assist	v	segít[obj=nak]
associate	v	társít ; kapcsolatba hoz
attempt	n	kísérlet[kísérletek] ; próbálkozás[próbálkozások]
attempt	v	meg|próbál
attraction	n	vonzás ; látványosság[látványosságok] ; vonzalom[vonzalmak]
avoid	v	el|kerül ; kerül
banish	v	száműz ; el|űz
bat	n	denevér[denevérek] ; ütő ; ütő[when=baseball/cricket/tennis/swing/wooden]
behind	adv	hátul ; mögötte
belong	v	tartozik[to=hoz]
below	adv	lent[van] ; alább[van]
binding	adj	kötelező
blade	n	penge ; levél[levelek]
blunt	adj	tompa ; nyers
blur	v	el|homályosít
bosom	n	kebel[keblek]
brace	v	fel|készül[noobj] ; meg|támaszt
brain	n	agy[agyak]
brand	n	márka
breath	n	lélegzet[lélegzetek] ; lehelet[leheletek]
broaden	v	szélesít ; bővül[noobj]
buckle	n	csat[csatok]
bud	n	rügy[rügyek] ; bimbó
butt	n	csikk[csikkek,3sg=csikkje]
cable	n	kábel[kábelek]
calm	adj	nyugodt ; csendes[csendesek]
calm	v	meg|nyugtat ; nyugtat
canvas	n	vászon[vásznak]
capital	n	főváros[fővárosok] ; tőke ; nagybetű ; tőke[when=raise/invest/venture/foreign/private/working/human/social/attract/initial]
caution	n	óvatosság ; figyelmeztetés
cement	n	cement[cementek]
certain	adj	biztos ; bizonyos
chamber	n	kamra ; terem[termek]
charm	n	varázs[varázsok]
chart	n	táblázat[táblázatok] ; diagram[diagramok,3sg=diagramja] ; térkép[térképek]
chip	n	forgács[forgácsok]
choice	n	választás[választások] ; választék[választékok]
chorus	n	kórus[kórusok] ; refrén[refrének,3sg=refrénje]
circulate	v	kering[noobj] ; terjed[noobj]
cite	v	idéz ; hivatkozik[obj=ra]
clearly	adv	világosan ; egyértelműen ; olvashatóan[when=write/print/label/mark] ; érthetően[when=speak/explain/pronounce/talk]
climax	n	csúcspont[csúcspontok] ; tetőpont[tetőpontok]
clip	n	csipesz[csipeszek] ; klip[klipek,3sg=klipje]
clip	v	le|nyír ; vág
clutch	n	kuplung[kuplungok,3sg=kuplungja]
clutch	v	szorongat ; meg|markol
collection	n	gyűjtemény[gyűjtemények] ; gyűjtés
comment	n	megjegyzés[megjegyzések] ; hozzászólás[hozzászólások]
comment	v	meg|jegyez ; hozzá|szól[noobj]
commission	n	bizottság[bizottságok] ; jutalék[jutalékok] ; megbízás
community	n	közösség[közösségek,attr=közösségi]
commute	v	ingázik
compromise	n	kompromisszum[kompromisszumok]
conception	n	felfogás ; fogantatás ; elképzelés[elképzelések]
confirm	v	meg|erősít ; igazol ; jóvá|hagy ; vissza|igazol[when=booking/reservation/order/appointment/attendance] ; igazol[when=receipt/identity]
confront	v	szembe|száll[obj=val,noobj]
conservative	adj	konzervatív ; óvatos
consideration	n	megfontolás ; szempont[szempontok] ; figyelmesség
consume	v	fogyaszt ; el|fogyaszt
contemplate	v	fontolgat ; szemlél
contemporary	adj	kortárs ; korabeli
contribute	v	hozzá|járul[noobj]
contribution	n	hozzájárulás[hozzájárulások]
conversion	n	átalakítás ; átváltás ; megtérés
cool	adj	hűvös ; menő ; menő[when=guy/kid/car/bike/idea/thing/stuff/jacket/shirt/shoe/sunglasses/trick/name/music/song/game/job]
cool	v	le|hűt[intr=le|hűl] ; ki|hűt[intr=ki|hűl,near=cake/bread/pie/loaf/tart/biscuit/biscuits/cookie/cookies/muffin/muffins/pastry/tin/tray/oven/baking]
cooperative	adj	együttműködő
curl	n	fürt[fürtök]
current	n	áram[áramok] ; áramlat[áramlatok]
current	adj	jelenlegi ; mostani ; aktuális
damage	n	kár[károk] ; sérülés[sérülések]
damage	v	meg|rongál[pass=meg|sérül] ; károsít ; károsít[when=tooth/teeth/health/environment/liver/lung/skin/heart/hearing/eyesight/reputation/economy/crop/harvest/nerve/brain/kidney/body/immune]
danger	n	veszély[veszélyek]
darkness	n	sötétség
decision	n	döntés[döntések] ; határozat[határozatok]
defeat	n	vereség[vereségek]
defeat	v	le|győz
defect	n	hiba ; fogyatékosság
define	v	meg|határoz ; definiál
demonstrate	v	bizonyít ; be|mutat ; tüntet[noobj]
demonstration	n	tüntetés[tüntetések] ; bemutató
denial	n	tagadás
deny	v	tagad ; le|tagad ; meg|tagad
depart	v	indul[noobj] ; el|távozik
depression	n	depresszió ; mélyedés ; gazdasági válság
devil	n	ördög[ördögök,person]
difference	n	különbség[különbségek]
difficulty	n	nehézség[nehézségek]
dimension	n	méret[méretek] ; dimenzió
dip	v	márt ; bele|márt ; süllyed[noobj,to=ra,by=val]
directly	adv	közvetlenül ; egyenesen
dispatch	v	el|küld ; küld
display	n	kijelző ; kiállítás ; megjelenítés
display	v	ki|állít ; meg|jelenít ; mutat
distinction	n	különbség[különbségek] ; megkülönböztetés ; kitüntetés
distribution	n	elosztás ; terjesztés ; eloszlás
dive	v	merül[noobj] ; le|merül[noobj] ; fejest ugrik
divine	adj	isteni
document	n	dokumentum[dokumentumok] ; irat[iratok]
document	v	dokumentál
doubt	n	kétség[kétségek]
doubt	v	kételkedik ; kétségbe von
drain	n	lefolyó
drain	v	le|szűr ; le|csapol ; le|folyik
drama	n	dráma
drown	v	meg|fullad[noobj] ; vízbe fullad
drum	n	dob[dobok,3sg=dobja]
dust	n	por[porok]
dust	v	le|porol ; port töröl
economy	n	gazdaság[gazdaságok] ; takarékosság
element	n	elem[elemek]
emerge	v	fel|bukkan[noobj] ; elő|bukkan[noobj]
employment	n	foglalkoztatás ; munka ; alkalmazás
endure	v	el|visel ; tűr ; ki|tart
enemy	n	ellenség[ellenségek]
energy	n	energia ; erő
enlarge	v	nagyít ; meg|nagyít
equal	adj	egyenlő
essential	adj	lényeges ; alapvető ; nélkülözhetetlen
example	n	példa
excitement	n	izgalom[izgalmak] ; izgatottság
exclude	v	ki|zár
exhibit	n	kiállítási tárgy ; bizonyíték[bizonyítékok]
exhibit	v	ki|állít ; mutat
expedition	n	expedíció
experiment	n	kísérlet[kísérletek]
experiment	v	kísérletezik
explode	v	fel|robban[noobj] ; robban[noobj]
exposure	n	kitettség ; leleplezés ; expozíció
fact	n	tény[tények]
faith	n	hit[hitek,3sg=hite] ; bizalom[bizalmak]
falter	v	meg|torpan[noobj] ; dadog[noobj]
fantastic	adj	fantasztikus ; csodálatos
farther	adv	távolabb ; messzebb
fashion	n	divat[divatok,3sg=divatja] ; mód[módok]
fast	adj	gyors[gyorsak]
fast	adv	gyorsan
fat	n	zsír[zsírok,3sg=zsírja]
fat	adj	kövér ; zsíros
fault	n	hiba ; vétek[vétkek]
favorite	adj	kedvenc
female	n	nő
female	adj	női
filter	n	szűrő
filter	v	szűr ; meg|szűr
fixed	adj	rögzített ; állandó ; fix
flap	v	csapkod ; lobog[noobj]
flexible	adj	rugalmas ; hajlékony
fold	n	redő ; hajtás
fold	v	össze|hajt ; hajt
following	adj	következő
fool	n	bolond[bolondok,person] ; hülye
fool	v	be|csap ; bolondozik
forecast	n	előrejelzés[előrejelzések]
forecast	v	jósol ; előre jelez
foreign	adj	külföldi ; idegen
formulate	v	meg|fogalmaz ; fogalmaz
fortune	n	vagyon[vagyonok] ; szerencse ; sors[sorsok,acc=sorsot]
found	v	alapít ; meg|alapít
frequent	adj	gyakori
fumble	v	ügyetlenkedik ; kotorászik
generate	v	termel ; létre|hoz ; generál
gesture	n	gesztus[gesztusok] ; mozdulat[mozdulatok]
giant	n	óriás[óriások]
giant	adj	óriási
gone	adj	elment ; elmúlt
grade	n	osztályzat[osztályzatok] ; fokozat[fokozatok] ; évfolyam[évfolyamok]
grade	v	osztályoz ; értékel
graduate	n	diplomás[person] ; végzős
graduate	v	diplomázik ; le|érettségizik
grave	n	sír[sírok,3sg=sírja]
grave	adj	súlyos ; komoly
greet	v	köszönt
grim	adj	komor ; zord
grounds	n	indok[indokok] ; terület[területek]
group	n	csoport[csoportok] ; együttes[együttesek]
group	v	csoportosít
grumble	v	zsörtölődik ; panaszkodik
half	n	fél[felek,3sg=fele]
half	adj	fél
half	adv	félig
happen	v	történik ; meg|történik
harm	n	kár[károk] ; ártalom[ártalmak]
harm	v	árt[obj=nak]
hasten	v	siettet ; siet[noobj]
heap	n	halom[halmok] ; kupac[kupacok]
hearing	n	hallás ; meghallgatás[meghallgatások] ; tárgyalás
height	n	magasság[magasságok]
herd	n	csorda ; nyáj[nyájak]
heroic	adj	hősies
hop	v	ugrál[noobj] ; szökdécsel[noobj]
hover	v	lebeg[noobj]
however	adv	azonban ; viszont
human	n	ember[emberek]
human	adj	emberi
humble	adj	szerény ; alázatos
ideal	n	eszmény[eszmények]
ideal	adj	ideális ; eszményi
identity	n	személyazonosság ; identitás
ignore	v	mellőz ; figyelmen kívül hagy
illustration	n	illusztráció ; ábra ; szemléltetés
imitation	n	utánzás ; utánzat[utánzatok]
immediate	adj	azonnali ; közvetlen
implement	v	végre|hajt ; meg|valósít
impress	v	le|nyűgöz ; meg|hat
include	v	tartalmaz[pass=benne |van] ; bele|foglal
indifferent	adj	közömbös
induce	v	elő|idéz ; rá|vesz
inner	adj	belső
innocent	adj	ártatlan
inspire	v	inspirál ; ösztönöz ; lelkesít
institution	n	intézmény[intézmények]
insure	v	biztosít
intelligent	adj	intelligens ; okos
interference	n	beavatkozás ; interferencia ; zavarás
internal	adj	belső
interpretation	n	értelmezés[értelmezések] ; tolmácsolás
introduction	n	bevezetés[bevezetések] ; bemutatás
inventory	n	leltár[leltárak] ; készlet[készletek]
iron	n	vas[vasak] ; vasaló
iron	v	vasal[perf=ki] ; ki|vasal
item	n	tétel[tételek] ; termék[termékek,when=order/ordered/buy/bought/add/added/return/returned/basket/cart/sell/sold/stock/deliver/delivered/purchase/purchased/ship/shipped] ; cikk[cikkek] ; tárgy[tárgyak] ; tárgy[tárgyak,when=heavy/personal/valuable/household/fragile/lost/metal/sharp/bulky]
joint	n	ízület[ízületek] ; illesztés
joint	adj	közös
labor	n	munka ; munkaerő ; szülés
launch	v	el|indít ; fel|bocsát[when=rocket/satellite/spacecraft/probe/missile/spaceship] ; el|kezd
leadership	n	vezetés ; vezetőség
leading	adj	vezető ; fő
leap	n	ugrás[ugrások]
leap	v	ugrik ; szökken[noobj]
legal	adj	jogi ; törvényes
legitimate	adj	törvényes ; jogos
length	n	hosszúság
linger	v	időzik ; el|időzik
list	n	lista ; jegyzék[jegyzékek]
list	v	fel|sorol
literature	n	irodalom[irodalmak]
litter	n	szemét[szemetek] ; alom[almok]
# --- WordNet's commonest lemmas by tagged senses, ranks 1285 to 1545
then	adv	aztán ; akkor
more	adv	jobban ; még ; többé
next	adj	következő ; jövő
out	adv	ki ; kint
over	adv	át ; vége ; több mint[when=number]
through	adv	át ; keresztül
enough	adv	elég ; eléggé
ever	adv	valaha ; valaha is
above	adv	fent[van] ; fölött
near	adv	közel
same	adj	ugyanaz ; azonos
true	adj	igaz ; valódi ; hű
squat	v	guggol[noobj]
bluster	v	fenyegetőzik
bristle	n	sörte
crackle	v	ropog[noobj] ; serceg[noobj]
culture	n	kultúra ; művelődés ; tenyészet[tenyészetek]
damned	adj	átkozott
dictate	v	diktál ; elő|ír
diffuse	v	szét|terjed ; terjeszt
din	n	zaj[zajok,acc=zajt] ; lárma
disregard	v	mellőz ; figyelmen kívül hagy
hitch	n	akadály[akadályok] ; bökkenő
hitch	v	fel|akaszt ; stoppol[noobj]
holler	v	ordít[noobj] ; kiabál[noobj]
jab	v	bök ; döf
keynote	n	vezérgondolat[vezérgondolatok]
locate	v	meg|talál ; el|helyez
loom	v	fenyeget ; dereng[noobj]
lurch	v	meg|tántorodik
machine	n	gép[gépek]
mail	n	posta ; levél[levelek]
mail	v	fel|ad ; el|küld
marshal	v	rendez ; fel|sorakoztat
mask	n	maszk[maszkok,3sg=maszkja] ; álarc[álarcok]
mature	adj	érett ; felnőtt
melt	v	olvad[noobj,intr=el|olvad] ; meg|olvaszt ; el|olvad
memory	n	emlék[emlékek] ; emlékezet[emlékezetek] ; memória
menace	n	fenyegetés[fenyegetések] ; veszély[veszélyek]
military	adj	katonai
military	n	hadsereg[hadseregek]
mission	n	küldetés[küldetések] ; misszió ; képviselet
mistake	n	hiba ; tévedés[tévedések]
mistake	v	össze|téveszt ; félre|ért
mix	v	össze|kever ; kever ; keveredik
mixture	n	keverék[keverékek]
mold	n	forma ; penész[penészek]
moment	n	pillanat[pillanatok]
naked	adj	meztelen ; csupasz ; nyílt[when=flame/fire/light] ; szabad[when=eye]
native	adj	anyanyelvi ; őshonos ; szülő
natural	adj	természetes
naturally	adv	természetesen
nature	n	természet[természetek] ; jelleg[jellegek]
neat	adj	rendes ; csinos ; ügyes
needle	n	tű
negative	adj	negatív ; tagadó
nest	n	fészek[fészkek]
nuclear	adj	nukleáris ; atom
occasion	n	alkalom[alkalmak] ; esemény[események]
occupation	n	foglalkozás[foglalkozások] ; megszállás
odd	adj	furcsa ; páratlan
operational	adj	működő ; üzemi
operator	n	kezelő ; üzemeltető
oppose	v	ellenez ; szembe|száll[obj=val,noobj]
orbit	n	pálya ; keringés
ordinary	adj	hétköznapi ; közönséges ; átlagos
organization	n	szervezet[szervezetek] ; szervezés
orient	v	tájol ; irányít
origin	n	eredet[eredetek] ; származás
outline	n	vázlat[vázlatok] ; körvonal[körvonalak]
outline	v	fel|vázol ; vázol
output	n	kimenet[kimenetek] ; teljesítmény[teljesítmények] ; termelés
overhead	adv	fent
pain	n	fájdalom[fájdalmak]
painting	n	festmény[festmények] ; festés
panic	n	pánik[pánikok,3sg=pánikja]
panic	v	pánikol[noobj] ; pánikba esik
parade	n	felvonulás[felvonulások] ; parádé
particular	adj	különleges ; bizonyos ; sajátos
pause	n	szünet[szünetek]
pause	v	meg|áll[noobj] ; szünetet tart
peace	n	béke
perception	n	érzékelés ; felfogás
perform	v	előad[intr=fel|lép] ; végez ; teljesít ; végez[when=operation/surgery/task/test/duty/procedure/experiment/check/analysis/function/service/transplant/calculation]
performance	n	előadás[előadások,to=ra,at=n,for=ra] ; teljesítmény[teljesítmények]
permit	n	engedély[engedélyek]
permit	v	engedélyez ; meg|enged
personal	adj	személyes ; saját
plead	v	vall ; kérlel
plow	n	eke
plow	v	szánt
pole	n	rúd[rudak,3sg=rúdja] ; pólus[pólusok] ; oszlop[oszlopok]
politics	n	politika
popular	adj	népszerű[népszerűek] ; népi
population	n	népesség[népességek] ; lakosság[lakosságok]
port	n	kikötő ; port[portok,3sg=portja]
portion	n	rész[részek] ; adag[adagok,3sg=adagja]
pose	v	jelent ; pózol[noobj] ; fel|tesz ; fel|tesz[when=question]
possibility	n	lehetőség[lehetőségek]
powerful	adj	erős ; hatalmas
prayer	n	ima ; imádság[imádságok]
precede	v	meg|előz ; előz
prevail	v	érvényesül[noobj] ; győz[noobj]
pride	n	büszkeség ; önérzet
principal	adj	fő ; legfontosabb
principal	n	igazgató
print	n	nyomat[nyomatok] ; nyomtatás
print	v	nyomtat ; ki|nyomtat
proclaim	v	ki|kiált ; ki|hirdet
product	n	termék[termékek]
production	n	termelés ; gyártás ; előállítás ; előadás[előadások,when=theatre/stage/opera/musical/new/praise/praised/critics]
# ("The company's profits rose": "A cég nyeresége", the gains one sum, singular as for a pair)
profit	n	nyereség[nyereségek,pair] ; haszon[hasznok]
profit	v	profitál[noobj]
projection	n	vetítés ; előrejelzés[előrejelzések]
proper	adj	megfelelő ; helyes
protection	n	védelem[védelmek] ; oltalom[oltalmak]
prove	v	bizonyít ; be|bizonyít ; bizonyul[noobj]
provide	v	biztosít ; nyújt ; el|lát
provision	n	ellátás ; rendelkezés[rendelkezések]
provoke	v	provokál ; ki|vált
public	n	nagyközönség[nagyközönségek] ; nyilvánosság ; közönség[közönségek]
public	adj	nyilvános ; állami ; köz
pulse	n	pulzus[pulzusok] ; ütem[ütemek]
pump	n	szivattyú ; pumpa
pump	v	pumpál ; szivattyúz
purchase	n	vásárlás[vásárlások] ; vétel[vételek]
purchase	v	vásárol ; meg|vásárol
purse	n	pénztárca
pursue	v	üldöz ; folytat
qualify	v	képesít ; minősül[noobj] ; kvalifikál
quality	n	minőség[minőségek] ; tulajdonság[tulajdonságok]
ram	n	kos[kosok]
ram	v	bele|rohan ; döngöl
realize	v	rá|jön[noobj] ; meg|valósít ; fel|ismer
receiver	n	kagyló ; vevő ; címzett
reception	n	recepció[at=n] ; fogadás[fogadások]
reckon	v	gondol ; számol
recognition	n	elismerés ; felismerés
reconcile	v	ki|békít ; össze|egyeztet
reflect	v	tükröz ; vissza|ver ; gondolkodik
reject	v	el|utasít ; vissza|utasít
relative	n	rokon[rokonok,person]
relative	adj	relatív ; viszonylagos
relax	v	pihen[noobj] ; lazít ; ki|kapcsolódik
remain	v	marad[noobj,past=maradt] ; meg|marad[noobj,past=maradt]
remote	adj	távoli
repel	v	vissza|ver ; taszít
replace	v	ki|cserél ; le|cserél ; helyettesít ; pótol
replacement	n	csere ; pótlás ; helyettes
request	n	kérés[kérések] ; kérelem[kérelmek]
request	v	kér ; kérvényez
require	v	igényel ; meg|követel
reservation	n	foglalás[foglalások] ; fenntartás ; rezervátum[rezervátumok]
residence	n	lakóhely[lakóhelyek] ; rezidencia ; lakás[lakások]
resist	v	ellen|áll[obj=nak] ; ellenszegül[noobj]
resistance	n	ellenállás
restore	v	helyre|állít[to=ban] ; restaurál
restrain	v	vissza|tart ; korlátoz
restrict	v	korlátoz
resume	v	folytat[intr=folytatódik] ; újra|kezd
revive	v	fel|éleszt ; fel|elevenít ; fel|éled[noobj]
rig	v	meg|hamisít ; fel|szerel
ripple	n	fodrozódás ; hullámocska
risk	n	kockázat[kockázatok] ; veszély[veszélyek]
risk	v	kockáztat ; meg|kockáztat
role	n	szerep[szerepek] ; feladat[feladatok]
romantic	adj	romantikus
routine	n	rutin[rutinok,3sg=rutinja] ; napirend[napirendek]
routine	adj	rutinszerű ; szokásos
runner	n	futó[person]
running	n	futás
running	adj	folyó ; futó ; működő
sacrifice	n	áldozat[áldozatok]
sacrifice	v	fel|áldoz ; áldoz
saddle	n	nyereg[nyergek]
safety	n	biztonság ; védelem[védelmek]
sanction	n	szankció ; jóváhagyás
savage	adj	vad[vadak] ; kegyetlen
scan	v	át|fut ; szkennel ; fürkész ; be|szkennel[when=document/documents/copy/photo/photos/receipt/receipts/passport/ticket/page/pages/form/letter/invoice]
schedule	n	menetrend[menetrendek] ; ütemterv[ütemtervek] ; órarend[órarendek]
schedule	v	ütemez ; be|ütemez
scorn	n	megvetés
scorn	v	meg|vet ; le|néz
scrape	v	kapar ; le|kapar
scratch	n	karcolás[karcolások] ; karc[karcok]
scratch	v	vakar ; meg|karcol
seize	v	meg|ragad ; le|foglal ; el|fog
sentence	n	mondat[mondatok] ; ítélet[ítéletek] ; büntetés[büntetések,when=serve/receive/give/hand/impose/face]
sentence	v	el|ítél[to=ra]
series	n	sorozat[sorozatok] ; széria
serious	adj	komoly ; súlyos ; súlyos[when=injury/illness/accident/crime/condition/mistake/consequence/disease/error/offence/offense/allegation/charge/situation/crisis/shortage/flaw/breach/violation/incident/case/wound/burn/infection/harm/loss/blow/setback]
shame	n	szégyen[szégyenek] ; kár[károk]
sharpen	v	élesít ; ki|hegyez
sheer	adj	puszta ; merő
shell	n	kagyló ; héj[héjak] ; lövedék[lövedékek]
shrink	v	zsugorodik ; össze|megy[noobj]
signal	n	jel[jelek] ; jelzés[jelzések] ; térerő[when=lose/get/have]
signal	v	jelez ; int[noobj]
significant	adj	jelentős ; fontos[fontosak]
simply	adv	egyszerűen ; csupán
skin	n	bőr[bőrök] ; héj[héjak]
slant	n	lejtés ; nézőpont[nézőpontok]
slash	v	vág ; meg|vág ; csökkent
slaughter	n	mészárlás ; vágás
slaughter	v	le|mészárol ; le|vág
slit	n	rés ; hasíték[hasítékok]
slump	v	vissza|esik[noobj,to=ra,by=val] ; le|roskad[noobj]
snarl	v	vicsorít[noobj]
soar	v	szárnyal[noobj,to=ra,by=val] ; fel|szökik
soil	n	talaj[acc=talajt] ; föld[földek]
solution	n	megoldás[megoldások] ; oldat[oldatok]
sore	adj	fájó ; sajgó
soul	n	lélek[lelkek,person]
southern	adj	déli
sphere	n	gömb[gömbök,3sg=gömbje] ; terület[területek] ; szféra
spiritual	adj	lelki ; szellemi
splinter	n	szilánk[szilánkok,3sg=szilánkja]
squeeze	v	szorít ; össze|nyom ; ki|facsar
stable	adj	stabil ; állandó
stable	n	istálló
staff	n	személyzet[személyzetek] ; bot[botok,3sg=botja]
statement	n	kijelentés[kijelentések] ; nyilatkozat[nyilatkozatok] ; kimutatás ; számlakivonat[számlakivonatok,when=bank/monthly/account/card/credit/quarterly] ; számlakivonat[számlakivonatok,near=payment/payments/transaction/transactions/balance/charged/debit/withdrawal/overdraft]
stem	n	szár[szárak] ; tő[tövek]
stern	adj	szigorú ; komor
stiff	adj	merev ; kemény
sting	n	csípés[csípések]
sting	v	meg|csíp ; csíp
storm	n	vihar[viharok]
storm	v	rohamoz ; tombol[noobj]
straighten	v	ki|egyenesít ; egyenesít ; meg|igazít[when=jacket/tie/collar/hat/skirt/dress/hair/glasses/picture/shirt/sleeve/scarf/coat]
strand	n	szál[szálak] ; part[partok]
stray	adj	kóbor ; eltévedt
streak	n	csík[csíkok,3sg=csíkja] ; sorozat[sorozatok]
structural	adj	szerkezeti
sublime	adj	fenséges ; magasztos
success	n	siker[sikerek]
suggestion	n	javaslat[javaslatok] ; ötlet[ötletek]
supplement	n	kiegészítés ; melléklet[mellékletek] ; pótlék[pótlékok]
supreme	adj	legfelsőbb ; legfőbb
surprise	n	meglepetés[meglepetések]
surprise	v	meg|lep
surrender	n	megadás ; kapituláció
surrender	v	át|ad ; kapitulál[noobj]
swarm	n	tömeg[tömegek]
swarm	v	rajzik ; hemzseg[noobj]
sway	v	hajladozik ; ingadozik ; befolyásol
swear	v	káromkodik ; fogad ; meg|esküszik[noobj,when=that]
tag	n	címke ; cédula
tail	n	farok[farkak]
tempt	v	csábít ; kísért
tension	n	feszültség[feszültségek] ; feszesség
threshold	n	küszöb[küszöbök,3sg=küszöbe]
thunder	n	mennydörgés ; dörgés
tick	v	ketyeg[noobj] ; ki|pipál
ticking	n	ketyegés
tongue	n	nyelv[nyelvek]
tool	n	szerszám[szerszámok] ; eszköz[eszközök]
torment	n	gyötrelem[gyötrelmek]
transmit	v	továbbít ; közvetít ; sugároz
treatment	n	kezelés[kezelések] ; bánásmód[bánásmódok]
trial	n	tárgyalás[tárgyalások] ; próba ; kísérlet[kísérletek]
triple	adj	háromszoros ; hármas
truth	n	igazság[igazságok]
type	n	típus[típusok] ; fajta
type	v	gépel
unconscious	adj	eszméletlen ; öntudatlan
undertake	v	vállal ; el|vállal
union	n	szakszervezet[szakszervezetek,from=tol] ; unió ; egyesülés
utter	v	ki|mond ; ki|ejt
various	adj	különféle ; különböző
vary	v	változik ; el|tér[noobj] ; változtat
veteran	n	veterán[veteránok,3sg=veteránja,person]
violation	n	megsértés ; szabálysértés[szabálysértések]
washington	n	washington[name]
waver	v	habozik ; ingadozik
weak	adj	gyenge
weaken	v	gyengít[intr=gyengül] ; gyengül[noobj]
wealth	n	gazdagság ; vagyon[vagyonok]
weave	v	fon
weigh	v	mér ; le|mér ; nyom
western	adj	nyugati
wink	v	kacsint[noobj] ; pislog[noobj]
wisdom	n	bölcsesség
worship	n	istentisztelet[istentiszteletek] ; imádat
worship	v	imád ; tisztel
worth	n	érték[értékek]
worth	adj	érdemes ; értékű
wrap	v	be|csomagol[in=ba,state] ; csomagol ; be|takar
yell	v	kiabál[noobj] ; ordít[noobj]
# --- WordNet's commonest lemmas by tagged senses, ranks 1546 to 2000
able	adj	képes ; alkalmas
abuse	n	visszaélés[visszaélések] ; bántalmazás
abuse	v	vissza|él[obj=val,noobj] ; bántalmaz
acceleration	n	gyorsulás ; gyorsítás
access	n	hozzáférés[hozzáférések] ; bejutás
accounting	n	könyvelés ; számvitel
accumulation	n	felhalmozódás ; felhalmozás
ace	n	ász[ászok]
acquaintance	n	ismerős ; ismeretség[ismeretségek]
acquire	v	szerez ; meg|szerez ; el|sajátít
activity	n	tevékenység[tevékenységek] ; aktivitás
acute	adj	heveny ; éles ; akut
addition	n	kiegészítés ; összeadás ; bővítés
adequate	adj	megfelelő ; elegendő
adhere	v	ragaszkodik[to=hoz] ; tapad[noobj]
adjacent	adj	szomszédos ; határos
adjustment	n	beállítás[beállítások] ; igazítás ; alkalmazkodás
adult	n	felnőtt[felnőttek,3sg=felnőttje,person]
adult	adj	felnőtt
advise	v	tanácsol[to=nak] ; javasol
advocate	n	szószóló[person] ; ügyvéd[ügyvédek]
advocate	v	támogat ; szorgalmaz
affair	n	ügy[ügyek] ; viszony[viszonyok]
affirm	v	állít ; ki|jelent
afraid	adj	félős ; ijedt
aged	adj	idős ; éves
agency	n	ügynökség[ügynökségek] ; hivatal[hivatalok]
aggression	n	agresszió ; támadás[támadások]
alien	adj	idegen ; külföldi
align	v	igazít ; egy vonalba állít
allot	v	ki|utal ; ki|oszt
alter	v	meg|változtat ; változtat
alternative	n	alternatíva ; lehetőség[lehetőségek]
alternative	adj	alternatív ; más
ambiguous	adj	kétértelmű[kétértelműek]
ambush	n	les ; csapda
analysis	n	elemzés[elemzések]
anatomy	n	anatómia ; testfelépítés
anger	n	düh ; harag[haragok,3sg=haragja]
anger	v	fel|bosszant
angle	n	szög[szögek] ; nézőpont[nézőpontok]
anticipation	n	várakozás ; előrelátás
appease	v	le|csillapít ; ki|engesztel
application	n	alkalmazás[alkalmazások] ; jelentkezés[jelentkezések] ; kérvény[kérvények] ; jelentkezés[jelentkezések,when=receive/submit/send/job/reject/accept/withdraw/process/successful/unsuccessful/written/review/consider/fill/complete,near=successful/unsuccessful/vacancy/vacancies/position/interview/candidate/candidates/applicant/applicants/shortlisted] ; kérvény[kérvények,when=visa/asylum/permit/planning/passport/licence/license/citizenship]
appointment	n	időpont[időpontok] ; kinevezés[kinevezések] ; megbeszélés
appreciate	v	értékel ; meg|becsül
appropriate	adj	megfelelő ; helyénvaló
approval	n	jóváhagyás ; helyeslés
approximate	adj	hozzávetőleges ; közelítő
arch	n	ív[ívek] ; boltív[boltívek]
architecture	n	építészet ; felépítés
array	n	sor[sorok] ; tömb[tömbök,3sg=tömbje]
arrival	n	érkezés[érkezések]
article	n	cikk[cikkek] ; névelő ; tárgy[tárgyak]
artillery	n	tüzérség
aside	adv	félre ; oldalt
aspect	n	szempont[szempontok] ; vonatkozás[vonatkozások] ; oldal[oldalak,acc=oldalt,3sg=oldala]
assault	n	támadás[támadások] ; testi sértés
assemblage	n	gyűjtemény[gyűjtemények] ; összeállítás
assemble	v	össze|szerel ; össze|gyűlik
assembly	n	gyűlés[gyűlések] ; összeszerelés ; közgyűlés
assignment	n	feladat[feladatok] ; megbízás
assimilate	v	be|olvaszt ; asszimilál
assumption	n	feltételezés[feltételezések] ; feltevés
assurance	n	biztosíték[biztosítékok] ; magabiztosság ; biztosítás
attach	v	csatol[state] ; hozzá|köt ; fel|ragaszt[when=stamp/label/sticker] ; rögzít[when=leg/legs/bracket/brackets/handle/panel/wheel/wheels/shelf/board/base/lid/cover/frame/hook]
attitude	n	hozzáállás ; magatartás ; viselkedés
attribute	n	tulajdonság[tulajdonságok] ; jellemző
attribute	v	tulajdonít
automatic	adj	automatikus ; önműködő
awaken	v	fel|ébreszt ; fel|ébred[noobj]
awful	adj	szörnyű[szörnyűek] ; borzasztó
awkward	adj	kínos ; esetlen ; ügyetlen
backward	adv	hátra ; visszafelé
bake	v	süt[perf=meg] ; meg|süt
ban	n	tilalom[tilalmak,acc=tilalmat,3sg=tilalma,poss=tilalma,sup=tilalmon]
bare	adj	csupasz ; puszta
barrel	n	hordó ; cső[csövek]
barricade	n	barikád[barikádok]
barrier	n	akadály[akadályok] ; korlát[korlátok,3sg=korlátja] ; sorompó
bath	n	kád[kádak,3sg=kádja] ; fürdő ; fürdés[fürdések,when=have/take/enjoy]
battery	n	elem[elemek] ; akkumulátor[akkumulátorok] ; üteg[ütegek]
battle	n	csata ; ütközet[ütközetek]
bay	n	öböl[öblök]
bearing	n	tartás ; csapágy[csapágyak] ; vonatkozás[vonatkozások]
beauty	n	szépség[szépségek]
beg	v	kér ; koldul[noobj]
behave	v	viselkedik
behavior	n	viselkedés ; magatartás
bell	n	csengő ; harang[harangok,3sg=harangja]
birth	n	születés[születések]
blanket	n	takaró ; pléd[plédek]
bleat	v	béget[noobj] ; mekeg[noobj]
blend	n	keverék[keverékek]
blend	v	kever ; össze|kever
bless	v	meg|áld ; áld
blessed	adj	áldott ; szent
blossom	n	virág[virágok] ; virágzás
blossom	v	virágzik ; ki|virágzik
boast	v	henceg[noobj,about=val,that=val] ; kérkedik
boil	v	forral[intr=fel|forr] ; fel|forral ; főz ; főz[perf=meg,when=egg/potato/pasta/rice/vegetable/noodle/spaghetti/carrot]
bomb	n	bomba
bomb	v	bombáz ; le|bombáz
boom	n	fellendülés ; dörrenés
boss	n	főnök[főnökök,person]
bother	v	zavar ; bosszant ; törődik
bowl	n	tál[tálak,3sg=tálja] ; tálka
branch	n	ág[ágak] ; fiók[fiókok,3sg=fiókja] ; ágazat[ágazatok] ; fiók[fiókok,3sg=fiókja,when=bank/local/close/closed/closing/open/opened/opening/its]
breach	n	megszegés ; rés
breathe	v	lélegzik
breed	n	fajta
breed	v	tenyészt ; szaporodik
broken	adj	törött ; elromlott ; összetört ; elromlott[when=machine/washer/dishwasher/fridge/freezer/heater/boiler/lift/elevator/printer/computer/laptop/phone/radio/television/tv/clock/watch/car/engine/heating/camera/kettle/oven/cooker/toaster/dryer/pump/device/lock/charger/speaker]
brood	v	töpreng[noobj]
brotherhood	n	testvériség
brow	n	homlok[homlokok] ; szemöldök[szemöldökök]
brown	adj	barna
buck	n	bak[bakok,3sg=bakja] ; dollár[dollárok,3sg=dollárja]
budget	n	költségvetés[költségvetések] ; keret[keretek]
bulb	n	izzó ; hagyma ; gumó ; virághagyma[when=plant/tulip/daffodil/flower/lily/hyacinth/crocus]
bulk	n	tömeg[tömegek] ; nagyobb rész
bum	n	csavargó[person] ; fenék[fenekek]
bump	v	neki|ütközik ; bele|ütközik ; meg|üt
bundle	n	köteg[kötegek] ; csomag[csomagok,3sg=csomagja]
bunk	n	fekhely[fekhelyek]
bush	n	bokor[bokrok] ; cserje
cackle	v	kotkodácsol[noobj] ; vihog[noobj]
can	n	doboz[dobozok] ; kanna
captive	n	fogoly[foglyok,person]
captive	adj	fogoly ; fogva tartott
career	n	pálya ; karrier[karrierek,3sg=karrierje] ; pályafutás
cart	n	kocsi ; szekér[szekerek] ; kiskocsi
catalogue	n	katalógus[katalógusok] ; jegyzék[jegyzékek]
ceiling	n	mennyezet[mennyezetek] ; plafon[plafonok,3sg=plafonja]
celebrate	v	ünnepel ; meg|ünnepel
celestial	adj	égi ; mennyei
cell	n	sejt[sejtek] ; cella ; elem[elemek] ; cella[when=prison/jail/police/padded/locked/tiny/holding]
ceremony	n	szertartás[szertartások,to=ra,at=n] ; ünnepség[ünnepségek,to=ra,at=n]
certify	v	igazol ; tanúsít
champion	n	bajnok[bajnokok,person] ; harcos[harcosok]
channel	n	csatorna
chapter	n	fejezet[fejezetek]
characteristic	n	jellemző ; sajátosság[sajátosságok]
characteristic	adj	jellemző ; jellegzetes
charcoal	n	faszén[faszenek]
charity	n	jótékonyság[attr=jótékonysági] ; jótékonysági szervezet
cheat	v	csal[noobj] ; meg|csal ; be|csap
cheer	v	éljenez ; szurkol[noobj]
chemical	n	vegyszer[vegyszerek]
chemical	adj	vegyi ; kémiai
chief	n	főnök[főnökök,person] ; vezető
chief	adj	fő ; legfőbb
christian	n	keresztény[person]
christian	adj	keresztény
circumstance	n	körülmény[körülmények]
circus	n	cirkusz[cirkuszok]
clamor	n	lárma ; zaj[zajok,acc=zajt]
clash	n	összecsapás[összecsapások] ; ütközés
click	v	kattint[obj=ra,on=ra] ; kattan[noobj]
climb	v	fel|mászik[obj=ra] ; mászik
cling	v	kapaszkodik ; ragaszkodik
closely	adv	szorosan ; alaposan
closet	n	szekrény[szekrények]
cluster	n	csoport[csoportok] ; fürt[fürtök]
coach	n	edző[person] ; busz[in=n,on=n] ; kocsi ; busz[in=n,on=n,when=tourist/night/school/express/airport/overnight/sightseeing/hire/board/take/catch/travel] ; busz[in=n,on=n,near=passengers/passenger/station/trip/journey/depart/departs/departed/motorway/seatbelt/seatbelts/timetable/fare]
code	n	kód[kódok] ; törvénykönyv[törvénykönyvek]
coincide	v	egybe|esik
collector	n	gyűjtő[person] ; beszedő
combat	n	harc[harcok] ; küzdelem[küzdelmek]
coming	adj	eljövendő ; közelgő
commence	v	el|kezd[intr=kezdődik] ; meg|kezd
commend	v	dicsér ; meg|dicsér ; ajánl
commercial	n	reklám[reklámok,3sg=reklámja]
commercial	adj	kereskedelmi
commitment	n	elkötelezettség ; vállalás ; kötelezettség[kötelezettségek]
commonplace	adj	mindennapos ; közhelyes
communication	n	kommunikáció ; közlés ; kapcsolattartás
communist	n	kommunista[person]
communist	adj	kommunista
compare	v	össze|hasonlít ; hasonlít
competition	n	verseny[versenyek] ; konkurencia
competitive	adj	versenyképes ; versengő
complaint	n	panasz[panaszok]
complex	adj	összetett ; bonyolult
complex	n	komplexus[komplexusok] ; épületegyüttes
compliment	n	dicséret[dicséretek]
compliment	v	gratulál[obj=nak,noobj] ; dicsér
component	n	alkatrész[alkatrészek] ; összetevő
comprise	v	tartalmaz ; áll[of=bol,noobj]
compulsion	n	kényszer[kényszerek]
concede	v	el|ismer ; be|ismer
conceive	v	el|képzel ; ki|talál ; fogan[noobj]
concentrated	adj	tömény ; összpontosított
conclude	v	be|fejez ; le|zár ; következtet
condemnation	n	elítélés
conductor	n	karmester[karmesterek,person] ; kalauz[kalauzok,person] ; vezető ; kalauz[kalauzok,person,when=train/bus/tram/railway/ticket] ; kalauz[kalauzok,person,near=ticket/tickets/passenger/passengers/fare/fares/carriage/platform/train/tram]
conference	n	konferencia[to=ra,at=on] ; értekezlet[értekezletek]
confession	n	vallomás[vallomások] ; gyónás
confidence	n	bizalom[bizalmak] ; magabiztosság
confine	v	korlátoz ; be|zár
conformity	n	megfelelés ; alkalmazkodás
congratulate	v	gratulál[obj=nak,noobj,on=hoz]
conjunction	n	kötőszó[kötőszavak] ; együttállás
conquer	v	meg|hódít ; le|győz
conscience	n	lelkiismeret[lelkiismeretek]
conscious	adj	tudatos
consequence	n	következmény[következmények]
conspiracy	n	összeesküvés[összeesküvések]
constant	adj	állandó ; folyamatos
construct	v	épít ; meg|épít ; szerkeszt
consult	v	konzultál[noobj] ; meg|kérdez ; utána|néz
contain	v	tartalmaz
contest	n	verseny[versenyek] ; vetélkedő
contrary	n	ellentét[ellentétek]
contrary	adj	ellentétes
coolness	n	hűvösség ; hidegség
corn	n	kukorica ; gabona
correction	n	javítás ; helyesbítés
correspond	v	meg|felel[obj=nak] ; levelez[noobj]
corresponding	adj	megfelelő
costume	n	jelmez[jelmezek] ; viselet[viseletek]
countenance	n	arc[arcok] ; ábrázat[ábrázatok]
counteract	v	ellensúlyoz
cradle	n	bölcső
craftsman	n	kézműves[person] ; mesterember[mesteremberek]
crawl	v	mászik ; kúszik
crazy	adj	őrült ; bolond
create	v	létre|hoz ; teremt ; alkot
creature	n	teremtmény[teremtmények] ; lény[lények]
creep	v	kúszik ; lopakodik
criminal	n	bűnöző[person]
criminal	adj	bűnügyi ; büntetőjogi ; bűnös
crimson	adj	bíbor ; karmazsinvörös
criticism	n	kritika ; bírálat[bírálatok]
crossroads	n	útkereszteződés ; válaszút[válaszutak,3sg=válaszútja]
crouch	v	le|guggol[noobj]
cruelty	n	kegyetlenség[kegyetlenségek]
crystal	n	kristály[kristályok]
crystallize	v	kristályosodik ; körvonalazódik
cube	n	kocka
cultural	adj	kulturális ; művelődési
curb	n	járdaszegély[járdaszegélyek]
curb	v	meg|fékez ; korlátoz
cure	n	gyógymód[gyógymódok] ; gyógyulás
cure	v	meg|gyógyít ; gyógyít
cuss	v	káromkodik
cutting	n	vágás ; kivágás ; dugvány[dugványok]
dab	v	meg|érint ; nyomkod
dare	v	mer ; merészel
daring	adj	merész ; vakmerő
dart	v	cikázik ; rohan[noobj]
dawn	n	hajnal[hajnalok,time=ban] ; kezdet[kezdetek]
dear	adj	kedves ; drága
debut	n	bemutatkozás ; debütálás
deck	n	fedélzet[fedélzetek] ; pakli
decrease	n	csökkenés
decrease	v	csökken[noobj,to=ra,by=val] ; csökkent
decent	adj	tisztességes ; rendes
defy	v	dacol[obj=val,noobj] ; szembe|száll[obj=val,noobj]
delegate	n	küldött[küldöttek,3sg=küldöttje,person]
delegate	v	át|ruház ; ki|küld
delight	n	öröm[örömök] ; gyönyör[gyönyörök]
delight	v	el|bűvöl ; gyönyörködtet
denote	v	jelöl ; jelent
denounce	v	el|ítél ; fel|jelent
dense	adj	sűrű[sűrűek]
dependent	adj	függő
depict	v	ábrázol ; le|ír
depth	n	mélység[mélységek]
derivation	n	származtatás ; eredet[eredetek]
descend	v	le|száll[noobj] ; le|ereszkedik ; származik
descent	n	leszállás ; származás ; lejtő
desert	n	sivatag[sivatagok]
desert	v	el|hagy ; dezertál[noobj]
despair	n	kétségbeesés
despair	v	kétségbe|esik
destroy	v	el|pusztít ; le|rombol ; tönkre|tesz
detached	adj	különálló ; tárgyilagos
determination	n	elszántság ; meghatározás
device	n	eszköz[eszközök] ; készülék[készülékek] ; szerkezet[szerkezetek]
dialogue	n	párbeszéd[párbeszédek,3sg=párbeszéde]
diffusion	n	terjedés ; elterjedés
director	n	igazgató[person] ; rendező[person] ; rendező[person,when=theatre/theater/film/movie/stage/artistic/casting/festival/opera/play/production/performance/show/musical/drama/documentary/ballet/rehearsal] ; rendező[person,near=actor/actors/actress/actresses/rehearsal/rehearsals/stage/audition/scene/cast/premiere/performance]
dirty	adj	piszkos ; koszos
disappearance	n	eltűnés
disaster	n	katasztrófa ; csapás[csapások]
discourage	v	el|bátortalanít ; le|beszél
discovery	n	felfedezés[felfedezések]
disdain	n	megvetés
disk	n	lemez[lemezek] ; korong[korongok,3sg=korongja]
dislike	n	ellenszenv
dislike	v	utál
dismiss	v	el|bocsát ; el|utasít ; el|enged
disperse	v	szét|oszlat
displacement	n	elmozdulás ; kiszorítás
disposal	n	rendelkezés ; eltávolítás
dispose	v	meg|szabadul[of=tol,noobj] ; el|rendez
dispute	n	vita ; vitás kérdés
dispute	v	vitat ; kétségbe von
dissent	n	ellenvélemény ; nézeteltérés
dissipate	v	el|oszlat ; el|tékozol
distill	v	le|párol ; desztillál
distinct	adj	különálló ; határozott ; eltérő
distinguish	v	meg|különböztet ; különbséget tesz
distortion	n	torzítás ; torzulás
disturbed	adj	zavart ; nyugtalan
diversion	n	eltérítés ; kitérő ; szórakozás
divert	v	el|terel ; el|térít
divorce	n	válás[válások]
divorce	v	el|válik
domestic	adj	hazai ; belföldi ; háztartási
dominate	v	uralkodik[obj=on] ; ural
dose	n	adag[adagok,3sg=adagja] ; dózis[dózisok]
downward	adv	lefelé
dramatically	adv	drámaian ; jelentősen
dramatize	v	dramatizál ; el|túloz
drape	v	le|terít
drawing	n	rajz[rajzok] ; rajzolás ; sorsolás
drill	v	fúr ; gyakoroltat
drunk	adj	részeg
duck	n	kacsa
duck	v	le|hajol[noobj] ; el|hajol[noobj]
due	adj	esedékes ; várható
duration	n	időtartam[időtartamok]
duty	n	kötelesség[kötelességek] ; vám[vámok,3sg=vámja] ; szolgálat[szolgálatok]
dwell	v	lakik ; időzik
earlier	adv	korábban
earthy	adj	földes ; földhözragadt
eastern	adj	keleti
eccentric	adj	különc ; excentrikus
echo	n	visszhang[visszhangok,3sg=visszhangja]
eclipse	n	napfogyatkozás ; fogyatkozás
economic	adj	gazdasági
economical	adj	takarékos ; gazdaságos
educate	v	tanít ; nevel ; oktat
effort	n	erőfeszítés[erőfeszítések] ; igyekezet
elaborate	adj	bonyolult ; kidolgozott ; gondos
elbow	n	könyök[könyökök]
electricity	n	áram[áramok] ; elektromosság ; áramellátás[when=restore/restored/cut/supply]
elevate	v	emel ; fel|emel
elevation	n	magasság[magasságok] ; emelkedés
embarrassment	n	zavar[zavarok] ; szégyen[szégyenek]
embody	v	meg|testesít
emotional	adj	érzelmi ; érzelmes
emphasis	n	hangsúly[hangsúlyok]
employ	v	alkalmaz ; foglalkoztat
enclose	v	mellékel ; körül|zár
encourage	v	bátorít ; ösztönöz
endeavor	n	törekvés[törekvések] ; igyekezet
endorse	v	támogat ; jóvá|hagy
engine	n	motor[motorok,3sg=motorja] ; mozdony[mozdonyok]
enjoyment	n	élvezet[élvezetek] ; öröm[örömök]
enlist	v	be|vonul[noobj] ; meg|nyer
enthusiasm	n	lelkesedés
entire	adj	egész ; teljes
entrance	n	bejárat[bejáratok] ; belépés
epic	adj	epikus ; hősi
escort	n	kíséret[kíséretek,person]
escort	v	el|kísér ; kísér
essay	n	esszé ; dolgozat[dolgozatok]
established	adj	megalapozott ; bevett
eternity	n	örökkévalóság
ethical	adj	etikai ; erkölcsös
evolve	v	fejlődik ; ki|alakul[noobj]
exact	adj	pontos
examination	n	vizsga ; vizsgálat[vizsgálatok]
exceed	v	túl|lép ; meg|halad
excess	n	többlet[többletek] ; túlzás
excited	adj	izgatott
execute	v	végre|hajt ; ki|végez
executive	n	vezető[person] ; végrehajtó hatalom
executive	adj	végrehajtó ; vezetői
exert	v	ki|fejt ; gyakorol
exhaust	v	ki|merít ; ki|fáraszt
existing	adj	meglévő ; létező
expect	v	vár ; számít[obj=ra]
expense	n	költség[költségek] ; kiadás[kiadások]
experimental	adj	kísérleti
exploit	v	ki|használ ; ki|aknáz
exploration	n	felfedezés ; kutatás[kutatások]
explore	v	fel|fedez ; fel|tár
exterior	n	külső ; külsőség
external	adj	külső
extraordinary	adj	rendkívüli
extrapolate	v	extrapolál
fade	v	el|halványul[noobj] ; fakul[noobj] ; el|hervad[noobj]
faithful	adj	hű ; hűséges
fake	adj	hamis ; hamisított
fake	n	hamisítvány[hamisítványok]
familiar	adj	ismerős ; ismert ; bizalmas
familiarity	n	jártasság ; bizalmasság
fantasy	n	képzelet[képzeletek] ; ábránd[ábrándok] ; fantázia
fasten	v	be|köt[state] ; be|kapcsol
fate	n	sors[sorsok,acc=sorsot] ; végzet[végzetek]
favorable	adj	kedvező
feast	n	lakoma ; ünnep[ünnepek]
federal	adj	szövetségi
fellow	n	fickó[person] ; társ[társak]
fierce	adj	heves ; vad[vadak]
fighter	n	harcos[harcosok,person] ; vadászgép[vadászgépek]
final	adj	végső ; utolsó
final	n	döntő
finally	adv	végül ; végre
first	adv	először ; először is
finding	n	megállapítás[megállapítások] ; lelet[leletek]
finger	n	ujj[ujjak]
firmly	adv	határozottan ; szilárdan
fledgling	adj	kezdő ; újonc
flip	v	meg|fordít
float	v	lebeg[noobj] ; úszik
flourish	v	virágzik ; fel|lendül[noobj]
fluid	n	folyadék[folyadékok]
fluid	adj	folyékony ; képlékeny
flurry	n	kavarodás ; hózápor
flutter	v	verdes ; lobog[noobj]
foam	n	hab[habok,3sg=habja]
fog	n	köd[ködök,3sg=köde]
foil	n	fólia
foil	v	meg|hiúsít
folk	n	nép[népek]
fond	adj	kedvelő ; gyengéd
footstep	n	lépés[lépések]
foresee	v	előre|lát
forever	adv	örökké ; mindörökre
forge	v	kovácsol ; hamisít
formal	adj	hivatalos ; formális
former	adj	korábbi ; egykori ; előbbi
formulation	n	megfogalmazás
forth	adv	elő ; előre
foundation	n	alap[alapok,3sg=alapja] ; alapítvány[alapítványok] ; alapítás
fourth	adj	negyedik
fraction	n	tört[törtek] ; töredék[töredékek]
fraud	n	csalás[csalások] ; csaló
frequency	n	gyakoriság ; frekvencia
frost	n	fagy[fagyok]
frozen	adj	fagyott ; fagyasztott ; befagyott ; fagyasztott[when=vegetable/food/pizza/fish/meat/pea/fruit/chicken/berry/meal/dessert/yoghurt/chip]
fulfill	v	teljesít ; be|teljesít
fully	adv	teljesen
fun	n	móka[mókák] ; mulatság[mulatságok] ; szórakozás
fundamental	adj	alapvető
furious	adj	dühös ; tomboló
fury	n	düh ; őrjöngés
fuse	n	biztosíték[biztosítékok]
fuss	n	felhajtás ; hűhó
gallop	v	vágtat[noobj] ; vágtázik
gang	n	banda ; brigád[brigádok]
gap	n	rés ; hézag[hézagok] ; szakadék[szakadékok]
gathering	n	összejövetel[összejövetelek] ; gyűlés[gyűlések]
generalization	n	általánosítás[általánosítások]
generally	adv	általában
generation	n	nemzedék[nemzedékek] ; generáció ; termelés
generous	adj	nagylelkű[nagylelkűek] ; bőkezű[bőkezűek]
genius	n	zseni[person] ; tehetség[tehetségek]
gently	adv	gyengéden ; óvatosan
genuine	adj	valódi ; őszinte
glad	adj	boldog[boldogok] ; vidám
glance	n	pillantás[pillantások]
glance	v	pillant[noobj,at=ra] ; rá|pillant[noobj]
glare	n	vakító fény ; dühös pillantás
glimpse	n	futó pillantás ; bepillantás
glint	n	csillogás ; villanás[villanások]
glory	n	dicsőség[dicsőségek]
# --- WordNet's commonest lemmas by tagged senses, ranks 2001 to 2657
glue	n	ragasztó
glue	v	ragaszt ; fel|ragaszt
goad	v	ösztökél ; noszogat
golden	adj	arany ; aranyszínű
gouge	v	ki|váj ; ki|szúr
govern	v	kormányoz ; irányít
government	n	kormány[kormányok,from=tol] ; kormányzat[kormányzatok]
grab	v	meg|ragad ; el|kap
greek	adj	görög
grievance	n	sérelem[sérelmek] ; panasz[panaszok]
groom	n	vőlegény[vőlegények,person] ; lovász[lovászok]
groom	v	ápol ; fel|készít
gross	adj	bruttó ; durva ; undorító
grotesque	adj	groteszk
guidance	n	útmutatás ; irányítás ; tanácsadás
gulp	v	nyel ; le|nyel
habit	n	szokás[szokások]
halfway	adv	félúton
hammer	n	kalapács[kalapácsok]
hammer	v	kalapál
hamper	v	akadályoz ; gátol
handicap	n	hátrány[hátrányok] ; fogyatékosság
handling	n	kezelés
harmony	n	harmónia ; összhang[összhangok,3sg=összhangja]
haste	n	sietség
haul	v	vonszol ; húz ; szállít
haunt	v	kísért
hazard	n	veszély[veszélyek] ; kockázat[kockázatok]
headed	adj	tartó ; vezetett
headquarters	n	központ[központok] ; főhadiszállás
healthy	adj	egészséges
heighten	v	fokoz ; növel
hellenic	adj	hellén ; görög
helpless	adj	tehetetlen ; gyámoltalan
herald	v	jelez ; hírül ad
hero	n	hős[hősök,person]
hesitation	n	habozás ; tétovázás
hinder	v	akadályoz ; gátol
hint	n	utalás[utalások] ; célzás[célzások] ; tipp[tippek,3sg=tippje]
hint	v	utal[noobj] ; sejtet
hip	n	csípő
historical	adj	történelmi ; történeti
homely	adj	otthonos ; egyszerű[egyszerűek]
honey	n	méz[mézek,acc=mézet]
honour	n	becsület ; tisztelet ; megtiszteltetés
horror	n	borzalom[borzalmak] ; rémület
hostess	n	háziasszony[person]
huddle	v	össze|bújik
hulk	n	roncs[roncsok,person]
hunting	n	vadászat[vadászatok]
hush	v	el|csendesít ; el|hallgattat
icy	adj	jeges ; fagyos
idiom	n	kifejezés[kifejezések] ; szólás[szólások]
ignite	v	meg|gyújt ; lángra lobban
illusion	n	illúzió ; csalódás ; látszat[látszatok]
illustrate	v	illusztrál ; szemléltet
imagination	n	képzelet[képzeletek] ; fantázia
immediacy	n	közvetlenség
impact	n	hatás[hatások] ; becsapódás
implication	n	következmény[következmények] ; utalás[utalások]
imply	v	jelent ; sugall ; utal[noobj]
impose	v	ki|vet ; rá|kényszerít ; be|vezet[when=sanction/ban/curfew/restriction/lockdown/limit/rule]
impossible	adj	lehetetlen
impression	n	benyomás[benyomások] ; lenyomat[lenyomatok]
improvement	n	javulás ; javítás ; fejlesztés
inaugural	adj	beiktatási ; nyitó
inch	n	hüvelyk[hüvelykek]
inclination	n	hajlam[hajlamok] ; lejtés
incline	v	hajlít ; dönt
index	n	mutató ; tárgymutató
indian	n	indiai[person]
indian	adj	indiai ; indián
indicator	n	mutató ; jelző
indifference	n	közöny ; közömbösség
individualism	n	individualizmus
induction	n	indukció ; beiktatás
indulge	v	kényeztet ; el|kényeztet ; hódol[obj=nak,noobj]
industrial	adj	ipari
inevitable	adj	elkerülhetetlen
infernal	adj	pokoli
inform	v	tájékoztat ; értesít
information	n	információ ; tájékoztatás ; adat[adatok]
initiate	v	kezdeményez ; be|avat
inmate	n	rab[rabok,3sg=rabja,person] ; fogvatartott[fogvatartottak,3sg=fogvatartottja]
inquiry	n	vizsgálat[vizsgálatok] ; érdeklődés ; tudakozódás
insert	v	be|illeszt ; be|dug ; be|szúr
insight	n	belátás ; betekintés
insignificant	adj	jelentéktelen
insist	v	ragaszkodik[on=hoz,that=hoz] ; erősködik
instant	n	pillanat[pillanatok]
instant	adj	azonnali ; instant
institute	n	intézet[intézetek]
institute	v	létre|hoz ; be|vezet
instruction	n	utasítás[utasítások] ; oktatás
instrument	n	hangszer[hangszerek] ; műszer[műszerek] ; eszköz[eszközök]
integral	adj	szerves ; integrált
integrate	v	be|illeszt ; integrál
integration	n	integráció ; beilleszkedés
intellectual	n	értelmiségi[person]
intellectual	adj	szellemi ; értelmi
intend	v	szándékozik ; tervez
intensify	v	fokoz ; erősödik
intent	n	szándék[szándékok]
intent	adj	elszánt ; elmerült
intermediate	adj	közbülső ; középhaladó
interpose	v	közbe|vet ; közbe|lép[noobj]
interrupt	v	félbe|szakít ; meg|szakít
interval	n	időköz[időközök] ; szünet[szünetek] ; intervallum[intervallumok]
invention	n	találmány[találmányok] ; feltalálás
investigator	n	nyomozó[person] ; kutató
involved	adj	érintett ; bonyolult
involvement	n	részvétel ; érintettség
irregularity	n	szabálytalanság[szabálytalanságok]
isolate	v	el|szigetel
isolated	adj	elszigetelt ; elhagyatott
isolation	n	elszigeteltség ; elszigetelés
italian	n	olasz[olaszok,person]
italian	adj	olasz
japanese	adj	japán
jar	n	befőttesüveg ; tégely[tégelyek]
jaw	n	állkapocs[állkapcsok]
jet	n	sugár[sugarak] ; sugárhajtású repülőgép
jolt	n	rázkódás ; lökés
juicy	adj	lédús ; szaftos
justice	n	igazságosság ; igazság[igazságok] ; igazságszolgáltatás
justify	v	igazol ; meg|indokol
kid	n	gyerek[gyerekek,person] ; kölyök[kölykök]
kid	v	ugrat ; viccel[noobj]
kingdom	n	királyság[királyságok]
knee	n	térd[térdek,3sg=térde,pair]
knit	v	köt ; meg|köt
landscape	n	táj[tájak] ; tájkép[tájképek]
lap	n	öl[ölek,3sg=öle] ; kör[körök]
later	adv	később ; majd
layer	n	réteg[rétegek]
league	n	liga ; szövetség[szövetségek]
lease	n	bérlet[bérletek] ; bérleti szerződés
lecture	n	előadás[előadások,to=ra,at=on]
lecture	v	ki|oktat ; előadást tart
less	adv	kevésbé
lessen	v	csökkent ; enyhít
liable	adj	felelős ; hajlamos
liberty	n	szabadság ; szabadságjog
license	n	engedély[engedélyek] ; jogosítvány[jogosítványok]
lick	v	nyal ; meg|nyal
lieutenant	n	hadnagy[hadnagyok,person]
lighting	n	világítás
likely	adj	valószínű
likely	adv	valószínűleg
limitation	n	korlátozás[korlátozások] ; korlát[korlátok,3sg=korlátja]
limited	adj	korlátozott ; korlátolt
limp	v	sántít[noobj] ; biceg[noobj]
livid	adj	dühös ; holtsápadt
loaded	adj	megrakott ; töltött
local	adj	helyi
location	n	hely[helyek,acc=helyet] ; helyszín[helyszínek] ; elhelyezkedés
lodge	v	el|szállásol ; be|nyújt
log	n	napló ; fatörzs[fatörzsek]
logic	n	logika
loop	n	hurok[hurkok] ; kör[körök]
loot	v	fosztogat ; ki|fosztogat
lord	n	úr[urak,person] ; lord[lordok,3sg=lordja]
lower	v	csökkent ; le|enged[when=flag/boat/bucket/rope/window/blind/coffin/anchor/bridge/ladder]
loyalty	n	hűség
luck	n	szerencse
lull	n	szélcsend ; nyugalom[nyugalmak]
lurid	adj	rikító ; szörnyű[szörnyűek]
lyric	adj	lírai
mad	adj	őrült ; dühös
magazine	n	magazin[magazinok,3sg=magazinja] ; folyóirat[folyóiratok]
magnify	v	nagyít ; fel|nagyít
magnitude	n	nagyság[nagyságok] ; méret[méretek]
majority	n	többség[többségek,by=val]
male	n	férfi[back]
male	adj	férfi ; hím
manner	n	mód[módok] ; modor[modorok]
manufacture	v	gyárt ; elő|állít
marked	adj	jelentős ; jelölt ; feltűnő
marriage	n	házasság[házasságok]
marvel	v	csodál ; ámul[noobj]
massage	n	masszázs[masszázsok]
massage	v	masszíroz
mat	n	lábtörlő
maturity	n	érettség ; lejárat[lejáratok]
maximum	n	maximum[maximumok]
maximum	adj	maximális ; legnagyobb
mechanical	adj	mechanikus ; gépi
mechanism	n	mechanizmus[mechanizmusok] ; szerkezet[szerkezetek]
medical	adj	orvosi ; egészségügyi
member	n	tag[tagok,3sg=tagja,person]
mercy	n	kegyelem[kegyelmek] ; irgalom[irgalmak]
merit	n	érdem[érdemek]
mesh	n	háló ; szövevény
meter	n	méter[méterek] ; mérő ; óra
mill	n	malom[malmok] ; üzem[üzemek]
mine	n	bánya ; akna
miniature	adj	kicsinyített ; miniatűr
miserable	adj	nyomorult ; szerencsétlen
modest	adj	szerény
monster	n	szörny[szörnyek,person] ; szörnyeteg[szörnyetegek]
monstrous	adj	szörnyű[szörnyűek] ; óriási
mortal	adj	halandó ; halálos
mortar	n	habarcs[habarcsok] ; mozsár[mozsarak]
motif	n	motívum[motívumok]
motor	n	motor[motorok,3sg=motorja]
mound	n	halom[halmok] ; domb[dombok,3sg=dombja]
mountainous	adj	hegyes ; hegyvidéki
multiply	v	szaporodik
murder	n	gyilkosság[gyilkosságok]
murder	v	meg|gyilkol ; meg|öl
murmur	v	mormol ; zúg[noobj]
muscular	adj	izmos ; izom
musical	adj	zenei ; muzikális
necessarily	adv	szükségszerűen ; feltétlenül
network	n	hálózat[hálózatok]
neurotic	adj	neurotikus
neutral	adj	semleges
news	n	hír[hírek]
niche	n	fülke ; rés
noble	adj	nemes ; előkelő
northeast	n	északkelet[északkeletek]
northern	adj	északi
northwest	n	északnyugat[északnyugatok]
notable	adj	figyelemre méltó ; nevezetes
notion	n	fogalom[fogalmak] ; elképzelés[elképzelések]
nucleus	n	mag[magok,3sg=magja] ; atommag[atommagok,3sg=atommagja]
nut	n	dió ; mogyoró ; anyacsavar[anyacsavarok,3sg=anyacsavarja,when=tighten/loosen/undo/bolt/spanner/wrench/wheel]
objection	n	kifogás[kifogások] ; ellenvetés
obliterate	v	el|töröl ; meg|semmisít
obscurity	n	homály ; ismeretlenség
obtain	v	szerez ; meg|szerez ; kap
offense	n	bűncselekmény[bűncselekmények] ; sértés ; támadás[támadások]
oil	n	olaj[olajok,acc=olajat] ; kőolaj[kőolajok,acc=kőolajat]
oil	v	olajoz ; meg|olajoz
oily	adj	olajos ; zsíros
older	adj	idősebb ; régebbi
omission	n	kihagyás ; mulasztás
once	adv	egyszer ; valamikor
organ	n	szerv[szervek] ; orgona ; orgona[when=play/church/pipe/electric]
outfit	n	öltözék[öltözékek] ; felszerelés
outrage	n	felháborodás ; gaztett[gaztettek,3sg=gaztette]
overall	adj	általános ; teljes
overcome	v	le|győz ; le|küzd ; túl|jut[obj=on,noobj]
overlook	v	el|néz ; figyelmen kívül hagy
overseas	adv	külföldön ; tengerentúlon
overture	n	nyitány[nyitányok]
overturn	v	fel|borít[thing=fel|borul] ; meg|dönt ; meg|semmisít[when=ruling/decision/verdict/conviction]
owe	v	tartozik[obj=val,to=nak] ; tartozik[obj=nak,person]
package	n	csomag[csomagok,3sg=csomagja]
pan	n	serpenyő ; lábas
parcel	n	csomag[csomagok,3sg=csomagja] ; parcella
pardon	n	bocsánat ; kegyelem[kegyelmek]
pardon	v	meg|bocsát ; kegyelmez[noobj]
particle	n	részecske
partner	n	partner[partnerek,person] ; társ[társak]
passing	adj	elhaladó ; arra járó[person] ; múló[when=time/year/years/day/days/moment/fad/phase/trend/fancy/glance/interest/remark/thought]
pastel	adj	pasztell
path	n	ösvény[ösvények] ; út[utak,3sg=útja]
patrol	n	járőr[járőrök]
patronize	v	le|kezel ; pártfogol
pavement	n	járda ; kövezet[kövezetek]
paw	n	mancs[mancsok]
peculiarly	adv	különösen ; sajátosan
penalty	n	büntetés[büntetések] ; tizenegyes[tizenegyesek]
penetrate	v	át|hatol[noobj] ; be|hatol[noobj]
penetration	n	behatolás
persist	v	ki|tart[noobj,thing=fenn|áll] ; meg|marad[noobj,past=maradt]
phantom	n	fantom[fantomok,3sg=fantomja,person] ; kísértet[kísértetek]
phase	n	szakasz[szakaszok] ; fázis[fázisok]
philosophy	n	filozófia ; bölcselet[bölcseletek]
photograph	n	fénykép[fényképek] ; fotó
photograph	v	fényképez ; le|fényképez
phrase	n	kifejezés[kifejezések] ; szókapcsolat[szókapcsolatok]
pickup	n	kisteherautó ; felvétel[felvételek]
pilot	n	pilóta[person]
pin	n	gombostű ; tű ; pin-kód[cap]
pin code	n	pin-kód
pin number	n	pin-kód
pin	v	fel|tűz ; hozzá|tűz
pioneer	n	úttörő[person]
pipe	n	cső[csövek] ; pipa
pitcher	n	kancsó[person] ; dobó
pity	n	szánalom[szánalmak] ; kár[károk]
pity	v	sajnál ; szán
placement	n	elhelyezés
planning	n	tervezés
player	n	játékos[játékosok,person] ; lejátszó
plenty	adv	bőven ; rengeteg
plug	n	dugó ; csatlakozó ; konnektor[konnektorok] ; csatlakozó[near=socket/cable/charger/wire/electric/electrical/loose/mains/adapter/device/lamp/kettle]
plug	v	be|dug
policy	n	politika ; szabályzat[szabályzatok] ; kötvény[kötvények]
political	adj	politikai
pore	n	pórus[pórusok]
portray	v	ábrázol ; alakít
possess	v	birtokol ; bír
possible	adj	lehetséges
potent	adj	hatásos ; erős
potential	n	lehetőség[lehetőségek]
potential	adj	lehetséges ; potenciális
powder	n	por[porok] ; púder[púderek]
precaution	n	óvintézkedés[óvintézkedések] ; elővigyázatosság
precisely	adv	pontosan
prefer	v	jobban |szeret[to=nal] ; preferál ; választ
preparation	n	előkészület[előkészületek] ; felkészülés ; készítmény[készítmények]
prey	n	zsákmány[zsákmányok,person] ; préda
primitive	adj	primitív ; kezdetleges
prize	n	díj[díjak] ; nyeremény[nyeremények]
producer	n	producer[producerek,person] ; termelő ; gyártó
productive	adj	termelékeny ; termékeny
profess	v	vall ; állít
profile	n	profil[profilok,3sg=profilja] ; arcél[arcélek]
progression	n	haladás ; előrehaladás ; sorozat[sorozatok]
prohibition	n	tilalom[tilalmak] ; szesztilalom[szesztilalmak]
promote	v	elő|léptet[person] ; elő|mozdít
prompt	adj	azonnali ; gyors[gyorsak]
promptly	adv	azonnal ; haladéktalanul
property	n	tulajdon[tulajdonok] ; ingatlan[ingatlanok] ; tulajdonság[tulajdonságok]
proportion	n	arány[arányok] ; hányad[hányadok,3sg=hányada]
proposition	n	javaslat[javaslatok] ; állítás[állítások]
prospect	n	kilátás[kilátások] ; lehetőség[lehetőségek]
protestant	n	protestáns[person]
protestant	adj	protestáns
pry	v	kíváncsiskodik ; fel|feszít
publish	v	ki|ad ; közzé|tesz ; publikál ; közzé|tesz[when=result/report/list/figure/data/statistics/findings/detail/name/score/ranking/photo/picture/post/statement/guideline/timetable/schedule]
puff	v	pöfékel ; fúj ; liheg[noobj]
punch	n	ütés[ütések] ; puncs[puncsok]
punch	v	meg|üt ; ki|lyukaszt
purpose	n	cél[célok,3sg=célja] ; szándék[szándékok]
qualified	adj	képzett ; szakképzett
quietly	adv	csendesen ; halkan
quit	v	ki|lép[noobj] ; abba|hagy ; fel|mond[noobj]
quite	adv	egészen ; elég ; teljesen
quiver	v	remeg[noobj] ; reszket[noobj]
rack	n	állvány[állványok] ; tartó
radius	n	sugár[sugarak]
ragged	adj	rongyos ; szakadozott
raid	n	rajtaütés[rajtaütések] ; razzia
rail	n	sín[sínek,3sg=sínje] ; korlát[korlátok,3sg=korlátja]
rare	adj	ritka ; véres
rather	adv	inkább ; eléggé
rating	n	értékelés[értékelések] ; besorolás
rattle	v	csörget ; zörget
react	v	reagál[noobj,to=ra]
reaction	n	reakció ; válasz[válaszok]
reader	n	olvasó[person]
readiness	n	készenlét ; készség
realism	n	realizmus
reality	n	valóság[valóságok]
rebuff	v	vissza|utasít ; el|utasít
reconstruct	v	újjá|épít ; rekonstruál
recover	v	meg|gyógyul[noobj,from=bol] ; vissza|szerez ; fel|épül[noobj]
recovery	n	gyógyulás ; felépülés ; fellendülés
reduction	n	csökkentés ; csökkenés ; kedvezmény[kedvezmények]
reel	n	orsó ; tekercs[tekercsek]
reform	n	reform[reformok,3sg=reformja]
refund	n	visszatérítés[visszatérítések]
region	n	régió ; vidék[vidékek] ; térség[térségek]
regulate	v	szabályoz
regulation	n	szabályozás ; előírás[előírások] ; rendelet[rendeletek]
reign	n	uralkodás ; uralom[uralmak]
reign	v	uralkodik
rejoice	v	örvendezik ; ujjong[noobj]
relationship	n	kapcsolat[kapcsolatok] ; viszony[viszonyok]
reliable	adj	megbízható
reluctant	adj	vonakodó ; kelletlen
remedy	n	orvosság[orvosságok] ; gyógymód[gyógymódok]
rendering	n	előadás ; tolmácsolás ; kép[képek]
repair	n	javítás[javítások]
repair	v	meg|javít ; javít
repetition	n	ismétlés[ismétlések]
reply	n	válasz[válaszok] ; felelet[feleletek]
reply	v	válaszol[to=ra] ; felel[noobj]
representation	n	ábrázolás ; képviselet[képviseletek]
reproach	n	szemrehányás[szemrehányások]
republican	n	republikánus[person] ; köztársaságpárti
republican	adj	republikánus ; köztársasági
requirement	n	követelmény[követelmények] ; feltétel[feltételek]
research	n	kutatás[kutatások]
research	v	kutat ; tanulmányoz
reservoir	n	víztároló ; tározó
resident	n	lakos[lakosok,person] ; lakó
resignation	n	lemondás ; beletörődés
resonance	n	rezonancia ; visszhang[visszhangok,3sg=visszhangja]
resource	n	erőforrás[erőforrások] ; forrás[források]
respectable	adj	tiszteletre méltó ; tekintélyes
respite	n	haladék[haladékok] ; pihenő
respond	v	válaszol[to=ra] ; reagál[noobj,to=ra]
responsibility	n	felelősség[felelősségek]
restoration	n	helyreállítás ; restaurálás
retain	v	meg|tart
revision	n	felülvizsgálat[felülvizsgálatok] ; átdolgozás
richness	n	gazdagság
riddle	n	rejtvény[rejtvények] ; talány[talányok]
rigid	adj	merev ; szigorú
rip	v	el|tép ; szét|tép
robe	n	köntös[köntösök]
rock	n	szikla ; kő[kövek]
rock	v	ringat[intr=ringatózik] ; rázkódik
roman	adj	római
rosy	adj	rózsás ; rózsaszínű
rot	v	rothad[noobj] ; el|rothad[noobj]
rotate	v	forgat[intr=forog]
spin	v	forgat[intr=forog] ; pörget
bleed	v	vérzik[noobj]
roughly	adv	nagyjából ; durván
roughness	n	érdesség ; durvaság
ruin	n	rom[romok,3sg=romja] ; romlás
ruin	v	tönkre|tesz ; el|ront
russia	n	oroszország[name]
russian	n	orosz[oroszok,person]
russian	adj	orosz
rustle	v	susog[noobj] ; zizeg[noobj]
sacred	adj	szent ; szakrális
sailing	n	vitorlázás ; hajózás
saint	n	szent[szentek,person]
sale	n	eladás[eladások] ; akció ; kiárusítás
salute	v	köszönt
sample	n	minta
satisfaction	n	elégedettség ; megelégedés
satisfy	v	ki|elégít ; meg|elégít
saving	n	megtakarítás[megtakarítások]
savor	v	ízlel ; élvez
scent	n	illat[illatok] ; szag[szagok]
scented	adj	illatos
scheme	n	terv[tervek] ; séma ; konstrukció
scramble	v	tolakodik ; össze|kever
screech	v	rikolt[noobj]
creak	v	nyikorog[noobj] ; recseg[noobj]
tenor	n	tenor[tenorok,3sg=tenorja]
sculpture	n	szobor[szobrok] ; szobrászat
secondhand	adj	használt
sector	n	ágazat[ágazatok] ; szektor[szektorok]
security	n	biztonság[attr=biztonsági] ; biztosíték[biztosítékok]
seed	n	mag[magok,3sg=magja] ; vetőmag[vetőmagok,3sg=vetőmagja]
seek	v	keres
selection	n	kiválasztás ; választék[választékok] ; válogatás
senior	adj	idősebb ; rangidős ; vezető
sensation	n	érzés[érzések] ; szenzáció
sensitivity	n	érzékenység
session	n	ülés[ülések] ; ülésszak[ülésszakok,3sg=ülésszaka]
setting	n	beállítás[beállítások] ; környezet[környezetek] ; helyszín[helyszínek]
settled	adj	letelepedett ; rendezett
several	adj	több ; számos
severely	adv	súlyosan ; szigorúan
shaft	n	akna ; tengely[tengelyek] ; nyél[nyelek]
sharply	adv	élesen ; hirtelen ; meredeken[when=rise/fall/drop/increase/decrease/climb/decline]
sheath	n	hüvely[hüvelyek] ; tok[tokok,3sg=tokja]
shed	n	fészer[fészerek] ; kamra
shed	v	le|hullat ; ont
sheet	n	lap[lapok,3sg=lapja] ; lepedő ; ív[ívek] ; lepedő[when=bed/clean/fresh/dirty/cotton/silk/linen/fitted/white,near=bed/beds/pillow/pillows/blanket/blankets/duvet/mattress/bedroom]
shelter	n	menedék[menedékek] ; szállás
shepherd	n	pásztor[pásztorok,person] ; juhász[juhászok]
shield	n	pajzs[pajzsok]
shiver	v	borzong[noobj,with=tol] ; reszket[noobj,with=tol]
shortly	adv	hamarosan ; röviden
shoulder	n	váll[vállak,pair]
shriek	n	sikoly[sikolyok] ; visítás
sigh	v	sóhajt[noobj] ; sóhajtozik
significance	n	jelentőség[jelentőségek]
sin	n	bűn[bűnök]
sincerity	n	őszinteség
single	adj	egyetlen ; egyedülálló ; egyes
singular	adj	egyes számú ; különös ; egyedülálló
sitting	n	ülés[ülések]
skip	v	ki|hagy ; ugrál[noobj]
slot	n	nyílás[nyílások] ; rés ; idősáv[idősávok,3sg=idősávja]
smash	v	össze|tör ; szét|zúz
smoke	n	füst[füstök]
smoke	v	dohányzik[thing=füstöl] ; cigarettázik ; füstöl
smother	v	meg|fojt ; el|fojt
sneer	v	gúnyolódik ; fitymál
snort	v	horkant[noobj] ; prüszköl[noobj]
soak	v	áztat ; be|áztat ; ázik
sober	adj	józan
softly	adv	halkan ; gyengéden
sorrow	n	bánat[bánatok] ; szomorúság
sort	n	fajta
sour	adj	savanyú[savanyúak] ; mogorva
sovereign	adj	szuverén ; független
spade	n	ásó
span	n	időtartam[időtartamok]
spanish	adj	spanyol
sparkle	v	szikrázik ; csillog[noobj]
speaker	n	előadó[person] ; szónok[szónokok] ; hangszóró
specialize	v	szakosodik[noobj,in=ra] ; specializálódik[noobj,in=ra]
speck	n	szemcse ; porszem[porszemek]
speculate	v	spekulál[noobj] ; találgat
speculation	n	spekuláció ; találgatás
spend	v	költ[on=ra] ; el|költ[on=ra] ; tölt ; tölt[when=time/day/week/hour/minute/month/year/evening/morning/afternoon/night/weekend/holiday/holidays/vacation/summer/winter/spring/autumn/christmas/easter/life/moment/childhood/decade/evenings/weekends]
spill	v	ki|önt[intr=ki|ömlik]
spoil	v	el|ront ; el|kényeztet
sponsor	n	szponzor[szponzorok,person] ; támogató
spy	n	kém[kémek,person]
spy	v	kémkedik
squarely	adv	egyenesen ; szemtől szembe
stagger	v	meg|döbbent ; botladozik
standing	n	rang[rangok,3sg=rangja] ; helyzet[helyzetek]
stare	n	bámulás
stare	v	bámul[at=acc] ; mered[noobj]
peer	v	néz[at=ra] ; fürkész
starting	adj	kiinduló ; kezdő
starve	v	éhezik ; éhen hal
steady	adj	stabil ; egyenletes[when=pace/speed/rate/rhythm/beat/flow/growth/increase/decline/rise/fall/pulse/stream] ; állandó ; biztos
steel	n	acél[acélok,3sg=acélja]
steer	v	kormányoz ; irányít
stoic	adj	sztoikus
storage	n	tárolás ; raktár[raktárak]
stout	adj	testes ; erős
straw	n	szalma ; szívószál[szívószálak]
stride	n	lépés[lépések]
stumble	v	botladozik
stump	n	csonk[csonkok,3sg=csonkja]
stupid	adj	buta ; hülye
subdivision	n	alegység[alegységek] ; felosztás
subordinate	adj	alárendelt
subscribe	v	elő|fizet[to=ra,noobj] ; fel|iratkozik
substance	n	anyag[anyagok] ; lényeg[lényegek]
substitute	n	helyettes ; pótlék[pótlékok]
substitute	v	helyettesít ; pótol
succession	n	egymásutániság ; öröklés ; sorozat[sorozatok]
suck	v	szív ; szopik
suddenly	adv	hirtelen ; váratlanul
suite	n	lakosztály[lakosztályok]
super	adj	szuper ; nagyszerű
superiority	n	fölény ; felsőbbrendűség
suppose	v	gondol ; fel|tételez ; vél
suppress	v	el|fojt ; le|ver
surpass	v	meg|halad
surround	v	körül|vesz ; körbe|vesz
survive	v	túl|él ; életben marad
survivor	n	túlélő[person]
swamp	n	mocsár[mocsarak]
symbolic	adj	szimbolikus ; jelképes
sympathetic	adj	együttérző ; rokonszenves
sympathy	n	együttérzés ; rokonszenv
teaching	n	tanítás ; oktatás ; tan[tanok]
tease	v	ugrat ; cukkol
technical	adj	műszaki ; technikai
telephone	n	telefon[telefonok,3sg=telefonja,by=n]
telephone	v	fel|hív ; telefonál[noobj]
temper	n	vérmérséklet ; indulat[indulatok] ; kedv[kedvek]
temple	n	templom[templomok] ; halánték[halántékok]
tend	v	gondoz ; ápol
tendency	n	hajlam[hajlamok] ; tendencia ; irányzat[irányzatok]
terrible	adj	szörnyű[szörnyűek] ; rettenetes
testimony	n	tanúvallomás ; bizonyság[bizonyságok]
testing	n	tesztelés ; vizsgálat[vizsgálatok]
texture	n	szerkezet[szerkezetek] ; textúra ; tapintás
thaw	v	el|olvad[noobj] ; fel|enged[noobj]
theology	n	teológia ; hittudomány
theory	n	elmélet[elméletek]
there	adv	ott ; oda
thought	n	gondolat[gondolatok] ; gondolkodás
thoughtful	adj	figyelmes ; elgondolkodó
thread	n	cérna ; fonal[fonalak] ; szál[szálak]
threat	n	fenyegetés[fenyegetések] ; veszély[veszélyek]
threaten	v	fenyeget[with=val] ; meg|fenyeget[with=val]
throat	n	torok[torkok]
throttle	n	fojtószelep[fojtószelepek]
thud	n	puffanás ; tompa puffanás
thump	v	üt ; dönget
tighten	v	meg|húz ; meg|szorít ; szigorít
overtighten	v	túl|húz
longtime	adj	régi ; régóta tartó
timber	n	faanyag[faanyagok] ; épületfa
timely	adj	időszerű ; kellő időben történő
tire	n	gumiabroncs[gumiabroncsok] ; gumi
tire	v	el|fárad[noobj] ; ki|fáraszt
toast	n	pirítós[pirítósok] ; pohárköszöntő
tolerance	n	tolerancia ; türelem[türelmek] ; tűrés
tolerant	adj	toleráns ; türelmes
toll	n	áldozat[áldozatok] ; útdíj[útdíjak,3sg=útdíja,when=pay/charge/introduce]
torture	n	kínzás[kínzások]
tour	n	túra ; körút[körutak,3sg=körútja] ; turné[when=european/world/concert/farewell/reunion/band/stadium/arena/promotional/album/national/american/cancel/announce]
tract	n	terület[területek] ; traktus[traktusok] ; röpirat[röpiratok]
transform	v	át|alakít ; át|változtat
transition	n	átmenet[átmenetek]
translation	n	fordítás[fordítások]
transpose	v	fel|cserél ; át|helyez
traverse	v	át|szel ; be|jár
trend	n	irányzat[irányzatok] ; trend[trendek,3sg=trendje]
trigger	n	ravasz[ravaszok] ; kiváltó ok
trigger	v	ki|vált
triumph	n	diadal[diadalok] ; győzelem[győzelmek]
trot	v	üget[noobj]
tube	n	cső[csövek] ; tubus[tubusok] ; metró
tunnel	n	alagút[alagutak,3sg=alagútja]
under	adv	alatt ; lent
underestimate	v	alá|becsül ; le|becsül
unfold	v	ki|bont ; ki|hajt ; ki|bontakozik
unfortunate	adj	szerencsétlen ; sajnálatos
uniform	n	egyenruha
uniform	adj	egységes ; egyenletes
unity	n	egység[egységek]
unleash	v	ki|robbant ; szabadjára enged
unlock	v	ki|nyit
unstable	adj	instabil ; ingatag
unusual	adj	szokatlan
uphold	v	fenn|tart ; helyben|hagy
upward	adv	felfelé
used	adj	használt
utility	n	közmű[közművek] ; hasznosság ; segédprogram[segédprogramok,3sg=segédprogramja]
utmost	adj	legnagyobb ; legvégső
vague	adj	homályos ; bizonytalan
variety	n	változatosság ; fajta ; választék[választékok]
vein	n	ér[erek]
vent	n	szellőző ; nyílás[nyílások]
verse	n	vers[versek,acc=verset] ; versszak[versszakok,3sg=versszaka]
version	n	változat[változatok] ; verzió
veto	n	vétó
violate	v	meg|sért ; meg|szeg
violence	n	erőszak[erőszakok]
violent	adj	erőszakos ; heves
vocabulary	n	szókincs[szókincsek] ; szójegyzék[szójegyzékek]
vocal	adj	hangos ; vokális
wail	v	jajgat[noobj] ; sír[noobj]
wake	v	fel|ébred[noobj] ; fel|ébreszt
wallow	v	dagonyázik
war	n	háború
ward	n	osztály[osztályok] ; kórterem[kórtermek] ; kerület[kerületek]
warmth	n	melegség ; meleg[melegek]
wax	n	viasz[viaszok]
weakness	n	gyengeség[gyengeségek]
web	n	háló ; világháló ; pókháló
whole	n	egész[egészek]
whole	adj	egész ; teljes
wicked	adj	gonosz ; rosszindulatú
widely	adv	széles körben ; széltében
widen	v	szélesít[intr=szélesedik] ; ki|szélesít ; szélesedik
wildcat	n	vadmacska
wise	adj	bölcs[bölcsek]
withdrawal	n	visszavonás ; kivonulás ; pénzfelvétel
withholding	n	visszatartás
worker	n	munkás[munkások,person] ; dolgozó
works	n	mű[művek] ; üzem[üzemek]
worse	adj	rosszabb
worse	adv	rosszabbul
wound	n	seb[sebek,3sg=sebe] ; sérülés[sérülések]
wound	v	meg|sebesít ; meg|sebez
take a look	v	meg|néz[at=acc]
have a look	v	meg|néz[at=acc]
wrinkle	n	ránc[ráncok]
yard	n	udvar[udvarok]
yet	adv	még ; már
# --- WordNet's commonest lemmas by tagged senses, ranks 2658 to 3000
abandonment	n	elhagyás ; feladás
abide	v	el|visel ; betart
ability	n	képesség[képességek] ; tehetség[tehetségek]
abject	adj	nyomorúságos ; megalázó
aboard	adv	fedélzeten ; fedélzetre
abode	n	lakhely[lakhelyek] ; otthon[otthonok]
abrupt	adj	hirtelen ; nyers
absence	n	hiány[hiányok] ; távollét[távollétek]
absent	adj	hiányzó ; távollévő
absorbed	adj	elmerült ; elnyelt
absorption	n	elnyelés ; felszívódás
abstain	v	tartózkodik[from=tol]
absurd	adj	abszurd ; nevetséges
absurdity	n	képtelenség[képtelenségek] ; abszurditás
academy	n	akadémia
accelerate	v	gyorsít ; gyorsul[noobj]
accelerator	n	gázpedál[gázpedálok,3sg=gázpedálja] ; gyorsító
accent	n	akcentus[akcentusok] ; kiejtés ; hangsúly[hangsúlyok]
accessory	n	kiegészítő ; tartozék[tartozékok]
accident	n	baleset[balesetek] ; véletlen
accompaniment	n	kíséret[kíséretek]
accomplish	v	el|ér ; teljesít ; véghez visz
accomplished	adj	képzett ; kiváló ; befejezett
accord	v	meg|ad ; össze|hangol
accordingly	adv	ennek megfelelően ; ezért
accumulate	v	fel|halmoz ; össze|gyűjt ; fel|halmozódik
accuracy	n	pontosság
accurately	adv	pontosan
acid	n	sav[savak]
acid	adj	savas ; savanyú[savanyúak]
acquaint	v	meg|ismertet
acquiescence	n	beleegyezés ; belenyugvás
across	adv	át ; keresztben ; túloldalon
acting	n	színészet ; játék[játékok]
acting	adj	megbízott ; ügyvezető
activate	v	aktivál ; be|kapcsol
actually	adv	valójában ; tulajdonképpen
acutely	adv	élesen ; rendkívül
adapt	v	alkalmaz ; át|alakít ; alkalmazkodik
adequacy	n	megfelelőség ; elégségesség
adjective	n	melléknév[melléknevek]
administrator	n	adminisztrátor[adminisztrátorok,person] ; ügyintéző
admirable	adj	csodálatra méltó ; bámulatos
admiration	n	csodálat
admire	v	csodál ; meg|csodál
admission	n	belépés ; felvétel[felvételek] ; beismerés
adolescent	n	serdülő[person] ; kamasz[kamaszok]
adolescent	adj	serdülő ; kamasz
adventure	n	kaland[kalandok]
advertising	n	reklám[reklámok,3sg=reklámja] ; hirdetés[hirdetések]
aesthetic	adj	esztétikai
affected	adj	érintett ; modoros
affiliation	n	hovatartozás ; kapcsolat[kapcsolatok]
affix	v	hozzá|csatol ; ragaszt
afford	v	meg|enged ; ki|fizet[when=bill/bills/rent/fee/fees/price/prices/cost/costs/mortgage/treatment/repairs/tuition/payments/insurance/loan]
affront	n	sértés
aggravate	v	súlyosbít ; bosszant
aggregate	n	összesség ; összeg[összegek]
aggregate	adj	összesített ; teljes
aggressiveness	n	agresszivitás ; rámenősség
aggressor	n	támadó[person] ; agresszor[agresszorok]
agitate	v	fel|kavar ; izgat ; agitál[noobj]
agitated	adj	izgatott ; zaklatott
agony	n	gyötrelem[gyötrelmek]
agriculture	n	mezőgazdaság
aide	n	segítő[person] ; segéd[segédek]
aisle	n	folyosó ; átjáró
album	n	album[albumok]
alert	adj	éber ; figyelmes
alert	v	figyelmeztet ; riaszt
alignment	n	igazítás ; elrendezés
alike	adj	hasonló ; egyforma
alike	adv	egyformán ; egyaránt
alive	adj	életben[van] ; élő
allegation	n	állítás[állítások] ; vád[vádak,3sg=vádja]
alleged	adj	állítólagos
alleviate	v	enyhít ; csillapít
alligator	n	aligátor[aligátorok]
allocation	n	elosztás ; kiosztás ; juttatás
allotment	n	kiutalás ; parcella ; kiskert[kiskertek,3sg=kiskertje]
ally	n	szövetséges[szövetségesek]
aloud	adv	hangosan ; fennhangon
alteration	n	változtatás[változtatások] ; átalakítás
altogether	adv	teljesen ; összesen ; egészében
amateur	n	amatőr[amatőrök,person] ; műkedvelő
amateur	adj	amatőr ; műkedvelő
amaze	v	meg|döbbent ; meg|lep ; ámulatba ejt
amazing	adj	elképesztő ; csodálatos
amber	n	borostyán[borostyánok,3sg=borostyánja] ; borostyánkő[borostyánkövek]
ambiguity	n	kétértelműség[kétértelműségek]
ambition	n	ambíció ; törekvés[törekvések]
ambitious	adj	becsvágyó ; ambiciózus ; nagyratörő
amend	v	módosít ; ki|javít
amendment	n	módosítás[módosítások] ; kiegészítés
america	n	amerika[name]
amiable	adj	barátságos ; kedves
ample	adj	bőséges ; tágas
amuse	v	szórakoztat ; mulattat
amusement	n	szórakozás ; mulatság[mulatságok]
anachronism	n	anakronizmus
analogy	n	analógia ; hasonlóság[hasonlóságok]
analytic	adj	analitikus ; elemző
analyze	v	elemez ; meg|vizsgál
ancient	adj	ősi ; ókori
angry	adj	dühös[with=ra,at=ra] ; mérges
anguish	n	gyötrelem[gyötrelmek]
angular	adj	szögletes ; csontos
animate	v	meg|elevenít ; élénkít
animate	adj	élő ; eleven
annihilation	n	megsemmisítés ; megsemmisülés
announcement	n	bejelentés[bejelentések] ; közlemény[közlemények]
annoyance	n	bosszúság[bosszúságok] ; bosszankodás
anonymous	adj	névtelen ; anonim
antagonistic	adj	ellenséges ; ellentétes
antecedent	n	előzmény[előzmények,person]
antenna	n	antenna
anterior	adj	elülső ; korábbi
antique	adj	antik ; régi[régiek]
antiseptic	adj	fertőtlenítő ; antiszeptikus
anxiety	n	szorongás[szorongások] ; aggodalom[aggodalmak]
any	adv	egyáltalán
apparent	adj	nyilvánvaló ; látszólagos
appealing	adj	vonzó ; megnyerő
applaud	v	tapsol[noobj] ; meg|tapsol
appoint	v	ki|nevez ; ki|jelöl
appointee	n	kinevezett[person]
apprehend	v	le|tartóztat ; fel|fog
apprehension	n	aggodalom[aggodalmak] ; letartóztatás
apprentice	n	tanonc[tanoncok,person] ; inas[inasok]
approve	v	jóvá|hagy ; helyesel
approximation	n	közelítés ; becslés[becslések]
arc	n	ív[ívek]
arched	adj	íves ; boltozatos
arctic	adj	sarkvidéki ; északi-sarki ; fagyos
argue	v	vitatkozik ; érvel[noobj] ; érvel[noobj,that=val,when=that]
aristocracy	n	arisztokrácia ; nemesség
army	n	hadsereg[hadseregek] ; sereg[seregek]
aroused	adj	felizgatott ; felkeltett
arraign	v	vádol ; bíróság elé állít
arrow	n	nyíl[nyilak]
artificial	adj	mesterséges
artistic	adj	művészi ; művészeti
ascertain	v	meg|állapít ; ki|derít
ash	n	hamu
asleep	adj	alva[van] ; alvó
asleep	adv	alva
ass	n	szamár[szamarak] ; fenék[fenekek]
assay	n	vizsgálat[vizsgálatok] ; elemzés[elemzések]
assent	n	beleegyezés ; hozzájárulás
assertion	n	állítás[állítások]
assistance	n	segítség ; támogatás
assistant	n	asszisztens[asszisztensek,person] ; segéd[segédek]
assured	adj	biztos ; magabiztos
astronomical	adj	csillagászati
athletic	adj	atletikus ; sportos
atlanta	n	atlanta[name]
atlantic	adj	atlanti
atomic	adj	atom ; atomi
attachment	n	melléklet[mellékletek] ; ragaszkodás ; tartozék[tartozékok]
attain	v	el|ér ; meg|szerez
attainment	n	elérés ; teljesítmény[teljesítmények]
attest	v	tanúsít ; igazol
attic	n	padlás[padlások,in=n,at=n] ; padlásszoba
attract	v	vonz ; magához vonz
attractive	adj	vonzó ; csinos
audacity	n	vakmerőség ; merészség
audience	n	közönség[közönségek] ; hallgatóság
audit	n	könyvvizsgálat[könyvvizsgálatok] ; ellenőrzés
augment	v	növel
authentic	adj	hiteles ; eredeti
author	n	szerző[person] ; író
auxiliary	adj	segéd ; kiegészítő ; tartalék
avert	v	el|hárít ; el|fordít
awake	adj	ébren[van] ; éber
awake	v	fel|ébred[noobj] ; fel|ébreszt
awareness	n	tudatosság ; tudat[tudatok]
awe	n	áhítat ; tisztelet
awed	adj	áhítatos ; lenyűgözött
awry	adv	félre ; ferdén
babble	v	gagyog[noobj] ; fecseg[noobj]
backbone	n	gerinc[gerincek] ; gerincoszlop[gerincoszlopok]
backing	n	támogatás ; háttér[hátterek]
badge	n	jelvény[jelvények]
badly	adv	rosszul ; nagyon ; súlyosan[when=injure/injured/hurt/damage/damaged/wound/wounded]
bait	n	csali ; csalétek[csalétkek]
baked	adj	sült
bald	adj	kopasz
ballad	n	ballada
ballet	n	balett[balettek]
balloon	n	léggömb[léggömbök,3sg=léggömbje] ; lufi
ballot	n	szavazólap[szavazólapok,3sg=szavazólapja] ; szavazás[szavazások]
banana	n	banán[banánok,3sg=banánja]
banging	n	dörömbölés ; csapkodás
bankrupt	adj	tönkrement ; csődbe jutott
bankruptcy	n	csőd[csődök] ; fizetésképtelenség
banter	n	évődés ; ugratás
barefoot	adv	mezítláb
barely	adv	alig ; épphogy
bargain	n	alku ; jó vétel
bargain	v	alkudozik
barge	n	uszály[uszályok] ; bárka
barrage	n	özön[özönök]
based	adj	alapuló ; székhelyű
basic	adj	alapvető ; alap
basis	n	alap[alapok,3sg=alapja] ; alapzat[alapzatok]
basket	n	kosár[kosarak]
bass	n	basszus[basszusok]
bathe	v	fürdet ; meg|fürdet
bathing	n	fürdés
batter	n	tészta[person] ; ütőjátékos
batter	v	ütlegel ; dönget
battered	adj	megtépázott ; bántalmazott
beak	n	csőr[csőrök]
beard	n	szakáll[szakállak]
bearer	n	hordozó[person] ; tulajdonos[tulajdonosok]
beast	n	állat[állatok] ; vadállat[vadállatok]
beckon	v	int[noobj] ; hív
beef	n	marhahús[marhahúsok]
beguile	v	el|bűvöl ; rá|szed
being	n	lény[lények]
belabor	v	el|páhol ; túlragoz
belch	v	böfög[noobj] ; okád
belching	n	böfögés
belief	n	hit[hitek,3sg=hite] ; meggyőződés[meggyőződések]
believer	n	hívő[person]
bellow	v	bömböl[noobj] ; ordít[noobj]
belly	n	has[hasak]
beset	v	ostromol ; sújt
besides	adv	azonkívül ; ráadásul
besmirch	v	be|mocskol ; be|sároz
bestow	v	adományoz ; ruház
bet	n	fogadás[fogadások] ; tét[tétek]
bet	v	fogad[noobj]
between	adv	között ; közben
bewilder	v	össze|zavar ; meg|zavar
beyond	adv	túl ; azon túl
billion	n	milliárd[milliárdok,3sg=milliárdja]
birthday	n	születésnap[születésnapok,3sg=születésnapja,for=ra,attr=születésnapi]
biscuit	n	keksz[kekszek] ; aprósütemény
bitterly	adv	keserűen ; keservesen
bitterness	n	keserűség
blackness	n	feketeség ; sötétség
blackout	n	áramszünet[áramszünetek] ; elsötétítés
blank	adj	üres ; kifejezéstelen
blare	v	harsog[noobj] ; bömböl[noobj]
blatant	adj	nyilvánvaló ; kirívó
bleach	n	fehérítő
bleach	v	fehérít ; ki|fehérít
bleak	adj	sivár ; kietlen ; kilátástalan
blight	n	csapás[csapások] ; üszög
blindly	adv	vakon
blink	v	pislog[noobj] ; pislákol[noobj]
blistering	adj	perzselő ; tűző
blithe	adj	vidám ; gondtalan
blonde	n	szőke[person]
blonde	adj	szőke
blunder	n	baklövés[baklövések] ; melléfogás
bog	n	mocsár[mocsarak]
bold	adj	merész ; bátor[bátrak] ; félkövér
bolster	v	támogat ; alá|támaszt
booking	n	foglalás[foglalások,attr=foglalási]
book	v	le|foglal[for=ra,state] ; foglal
boot	n	csizma[pair] ; bakancs[bakancsok] ; csomagtartó
booth	n	fülke ; bódé ; stand
bore	v	untat ; fúr
bored	adj	unott ; unatkozó
boundary	n	határ[határok] ; határvonal[határvonalak]
braid	n	copf[copfok,3sg=copfja] ; fonat[fonatok]
brandish	v	hadonászik ; lóbál
breadth	n	szélesség ; kiterjedés
breakthrough	n	áttörés[áttörések]
breakup	n	szakítás ; felbomlás
breast	n	mell[mellek] ; kebel[keblek]
breathing	n	légzés ; lélegzés
breathless	adj	lihegő ; kifulladt
breeding	n	tenyésztés ; nevelés
brevity	n	rövidség ; tömörség
bribe	n	kenőpénz[kenőpénzek] ; megvesztegetés
bribe	v	meg|veszteget ; le|fizet
brick	n	tégla
briefly	adv	röviden ; rövid ideig
brilliance	n	ragyogás ; briliáns tehetség
brilliantly	adv	ragyogóan ; briliánsan
brisk	adj	élénk ; friss ; fürge
british	adj	brit
broadcast	n	adás[adások] ; közvetítés[közvetítések]
broadcast	v	sugároz ; közvetít ; ad
broadening	n	szélesítés ; bővítés
broil	v	grillez ; roston süt
bronze	n	bronz[bronzok,acc=bronzot]
bronze	adj	bronz ; bronzszínű
brook	n	patak[patakok,3sg=patakja] ; csermely
bruise	n	zúzódás[zúzódások] ; kék folt
bruise	v	meg|zúz ; össze|zúz
brushed	adj	csiszolt ; kefélt
brutality	n	brutalitás ; kegyetlenség[kegyetlenségek]
brute	n	állat[állatok,person] ; vadállat[vadállatok]
brute	adj	nyers ; brutális
bubble	n	buborék[buborékok]
bubble	v	bugyog[noobj]
buddhist	n	buddhista[person]
buddhist	adj	buddhista
buffer	n	ütköző ; puffer[pufferek]
buffet	n	svédasztal[svédasztalok] ; büfé
bug	n	bogár[bogarak] ; poloska ; programhiba ; programhiba[when=fix/report/find/software/known/critical/minor]
bulge	n	kidudorodás ; dudor[dudorok]
bulge	v	ki|dudorodik ; duzzad[noobj]
bulging	adj	kidudorodó ; dülledő
bulletin	n	közlöny[közlönyök] ; hírlevél[hírlevelek]
bully	n	zsarnok[zsarnokok,person] ; kötekedő
bully	v	terrorizál ; zaklat
bunker	n	bunker[bunkerek] ; óvóhely[óvóhelyek]
buoyant	adj	úszóképes ; derűs ; élénk
burden	n	teher[terhek] ; nyűg
bureau	n	iroda ; hivatal[hivatalok] ; komód[komódok]
burrow	n	üreg[üregek] ; kotorék[kotorékok]
bustle	n	sürgés-forgás ; nyüzsgés
bygone	adj	elmúlt ; régmúlt
bypass	n	elkerülő út
bypass	v	meg|kerül ; el|kerül
cabin	n	kabin[kabinok,3sg=kabinja] ; faház[faházak]
cadre	n	káder[káderek] ; keret[keretek]
cage	n	ketrec[ketrecek] ; kalitka
calculate	v	ki|számít ; számol
calculation	n	számítás[számítások] ; számolás
calendar	n	naptár[naptárak]
calf	n	borjú[borjak,3sg=borja,sup=borjún] ; vádli
caliber	n	kaliber[kaliberek] ; színvonal[színvonalak]
calmly	adv	nyugodtan
candidate	n	jelölt[jelöltek,3sg=jelöltje,person] ; pályázó
cane	n	bot[botok,3sg=botja]
canter	v	poroszkál[noobj]
cape	n	köpeny[köpenyek] ; hegyfok[hegyfokok,3sg=hegyfoka]
rhyme	n	rím[rímek,3sg=rímje]
picnic	n	piknik[piknikek,3sg=piknikje]
southeast	n	délkelet[délkeletek]
sporting	adj	sport ; sportos
swirl	n	örvény[örvények]
# --- Frequent everyday words the tagged-sense ranking places low, and set phrases
also	adv	is ; szintén
really	adv	tényleg ; igazán ; valóban
almost	adv	majdnem ; szinte
maybe	adv	talán ; esetleg
perhaps	adv	talán ; lehet
probably	adv	valószínűleg
else	adv	más ; különben
seem	v	tűnik[noobj,obj=nak]
own	adj	saját
anything	n	bármi[front] ; valami
someone	n	valaki[front]
somebody	n	valaki[front]
everyone	n	mindenki[person]
everybody	n	mindenki[person]
anyone	n	bárki[front] ; valaki[front]
of course	adv	persze ; természetesen
at least	adv	legalább
most importantly	adv	ami a legfontosabb
more importantly	adv	ami még fontosabb
at last	adv	végre ; végül
in fact	adv	valójában ; tulajdonképpen
at once	adv	azonnal ; egyszerre
at all	adv	egyáltalán
at all times	adv	mindig
what a shame	adv	milyen kár
what a pity	adv	milyen kár
that makes sense	adv	ez logikus ; ennek van értelme
# --- More of the first three thousand ranked lemmas
classic	adj	klasszikus
classic	n	klasszikus mű
given	adj	adott ; bizonyos
gleaming	adj	csillogó ; ragyogó
appalling	adj	borzasztó ; megdöbbentő
anatomical	adj	anatómiai
scholastic	adj	iskolai ; skolasztikus
anglican	adj	anglikán
aegean	adj	égei
assyrian	adj	asszír
nazi	adj	náci
schizophrenic	adj	skizofrén
bask	v	sütkérezik
boon	n	áldás ; előny[előnyök]
compress	v	össze|nyom
brooding	adj	merengő ; borongós
polarize	v	polarizál
postulate	v	fel|tételez
precipitate	v	siettet ; ki|csap
quack	n	kuruzsló[person]
rearward	adv	hátrafelé
rumble	n	dübörgés ; moraj[morajok,acc=morajt]
sluice	n	zsilip[zsilipek]
spatter	v	fröcsköl ; be|fröcsköl
surmise	v	sejt ; gyanít
harness	v	hasznosít ; fel|szerszámoz
overload	n	túlterhelés
overload	v	túl|terhel
commune	n	kommuna ; község[községek]
poise	n	tartás ; egyensúly[egyensúlyok] ; önuralom[önuralmak]
buff	n	rajongó[person] ; szakértő
# --- Verbs whose object or complement Hungarian puts in a case of its own, phrasal verbs
# with their own Hungarian verb, and the everyday words of news, instructions, e-mail and
# fiction that the lists above lack
depend	v	függ[noobj,on=tol]
rely	v	támaszkodik[on=ra] ; számít[on=ra]
consist	v	áll[of=bol]
complain	v	panaszkodik[about=ra,that=rol]
remind	v	emlékeztet[of=ra,about=ra,that=ra]
warn	v	figyelmeztet[about=ra,of=ra,that=ra]
cancel	v	le|mond ; töröl ; töröl[when=flight/train/bus/service/route/departure/file/post/ferry/crossing/sailing/connection/coach/tram]
postpone	v	el|halaszt[until=ra]
demolish	v	le|bont
rescue	v	meg|ment
whisper	v	suttog[to=nak]
howl	v	üvölt
injure	v	meg|sebesít[pass=meg|sérül]
rebuild	v	újjá|épít
take after	v	hasonlít[obj=ra]
call off	v	le|fúj ; le|mond
turn down	v	el|utasít ; le|halkít[when=music/volume/radio/tv/television/sound/stereo]
run out	v	ki|fogy[of=bol,noobj]
get over	v	ki|hever ; túl|jut[noobj,obj=n]
give in	v	enged[noobj,to=nak]
look after	v	vigyáz[obj=ra] ; gondoz
ask for	v	kér
ask about	v	érdeklődik[noobj,obj=rol]
put off	v	el|halaszt[until=ra]
set up	v	létre|hoz ; fel|állít
take off	v	le|vesz[intr=fel|száll,thing=fel|száll] ; fel|száll
fill in	v	ki|tölt
throw away	v	ki|dob[in=ba,into=ba]
write down	v	le|ír
grow up	v	fel|nő[noobj]
give back	v	vissza|ad
bring back	v	vissza|hoz
show up	v	meg|jelenik[noobj]
come in	v	be|jön
get on	v	fel|száll[obj=ra]
get off	v	le|száll[obj=rol]
a lot of	adj	sok
lots of	adj	sok
a few	adj	néhány
so many	adj	annyi
too many	adj	túl sok
too much	adj	túl sok
tonight	adv	ma este
ago	adv	ezelőtt
all day	adv	egész nap
all night	adv	egész éjjel
all the time	adv	folyton
for sale	adj	eladó
twice	adv	kétszer
few	adj	kevés
eleven	num	tizenegy
twelve	num	tizenkét
fourteen	num	tizennégy
twenty	num	húsz
thirty	num	harminc
hundred	num	száz
thousand	num	ezer
airport	n	repülőtér[repülőterek,acc=repülőteret,3sg=repülőtere,at=n,in=n,to=ra,from=rol]
bakery	n	pékség
barn	n	pajta
carpenter	n	asztalos[person]
castle	n	vár[várak,3sg=vára]
centre	n	központ[központok,3sg=központja]
championship	n	bajnokság[at=n]
coast	n	part[partok,3sg=partja,on=n] ; tengerpart
confirmation	n	visszaigazolás
council	n	tanács[from=tol] ; önkormányzat
countryside	n	vidék[vidékek]
deadline	n	határidő[határidők,acc=határidőt,3sg=határideje]
delivery	n	szállítás[attr=szállítási] ; kézbesítés
dictionary	n	szótár[szótárak,3sg=szótára]
donation	n	adomány
earthquake	n	földrengés
election	n	választás[attr=választási]
envelope	n	boríték[borítékok,3sg=borítékja]
exit	n	kijárat[kijáratok,3sg=kijárata]
factory	n	gyár[gyárak,3sg=gyára,to=ba,at=ban]
farm	n	farm[farmok,3sg=farmja,to=ra,at=on,on=on,from=rol] ; tanya[to=ra,at=n,on=n,from=rol]
farmer	n	gazda[person] ; farmer
festival	n	fesztivál[fesztiválok,3sg=fesztiválja,to=ra,at=n]
flour	n	liszt[lisztek,3sg=lisztje]
flu	n	influenza
forest	n	erdő[erdők,acc=erdőt,3sg=erdeje,to=ba,attr=erdei,at=ban]
goose	n	liba
grandmother	n	nagymama[person]
health	n	egészség[attr=egészségügyi]
helmet	n	sisak[sisakok,3sg=sisakja]
ingredient	n	hozzávaló
invoice	n	számla
journalist	n	újságíró[person]
journey	n	utazás ; út[utak,3sg=útja]
lid	n	fedő[fedők,acc=fedőt,3sg=fedője]
manager	n	vezető[vezetők,acc=vezetőt,3sg=vezetője,person] ; menedzser ; edző[edzők,person,when=sack/club/team/football/league/interim/caretaker]
marathon	n	maraton[maratonok,3sg=maratonja]
mayor	n	polgármester[person]
medal	n	érem[érmek,acc=érmet,3sg=érme]
metro	n	metró
mouse	n	egér[egerek,acc=egeret,3sg=egere]
midnight	n	éjfél[éjfelek,acc=éjfélt,3sg=éjfele,time=kor]
minister	n	miniszter[person]
motorway	n	autópálya
museum	n	múzeum[múzeumok,3sg=múzeuma,to=ba,at=ban]
noise	n	zaj[zajok,acc=zajt,3sg=zaja]
onion	n	hagyma
organiser	n	szervező[szervezők,acc=szervezőt,3sg=szervezője,person]
page	n	oldal[oldalak,acc=oldalt,3sg=oldala]
parliament	n	parlament[parlamentek,3sg=parlamentje]
password	n	jelszó[jelszavak,acc=jelszót,3sg=jelszava]
pasta	n	tészta
pensioner	n	nyugdíjas[person]
percent	n	százalék[százalékok,3sg=százaléka]
pharmacist	n	gyógyszerész[person]
postman	n	postás[person]
programme	n	program[programok,3sg=programja] ; műsor
quarter	n	negyed[negyedek,3sg=negyede] ; negyedév[negyedévek,when=last/first/second/third/fourth/previous/next/same/current/final/financial/fiscal]
railway	n	vasút[vasutak,acc=vasutat,3sg=vasútja]
recipe	n	recept[receptek,3sg=receptje]
renovation	n	felújítás
rice	n	rizs
robbery	n	rablás
sauce	n	szósz
scissors	n	olló
shore	n	part[partok,3sg=partja,on=n]
situation	n	helyzet[helyzetek,3sg=helyzete]
software	n	szoftver
soldier	n	katona[person]
stairs	n	lépcső[lépcsők,acc=lépcsőt,3sg=lépcsője]
steam	n	gőz
swimmer	n	úszó[person]
tablet	n	tabletta
tax	n	adó
team	n	csapat[csapatok,3sg=csapata]
tourist	n	turista[person]
tram	n	villamos[villamosok,3sg=villamosa,by=val]
tray	n	tálca
trip	n	kirándulás ; út[utak,3sg=útja]
tyre	n	gumi
university	n	egyetem[egyetemek,3sg=egyeteme,at=n,in=n,to=ba,attr=egyetemi]
vaccine	n	vakcina ; oltóanyag
visitor	n	látogató[person]
wedding	n	esküvő[esküvők,acc=esküvőt,3sg=esküvője,to=ra,at=on,for=ra]
weekday	n	hétköznap[hétköznapok,3sg=hétköznapja]
weekend	n	hétvége[hétvégék,3sg=hétvégéje,for=ra,at=n,on=n,time=n,attr=hétvégi]
elderly	adj	idős
extra	adj	extra
forbidden	adj	tilos
latest	adj	legújabb
supplied	adj	mellékelt
married	adj	házas[to=val]
salty	adj	sós
secondary	adj	másodlagos
wooden	adj	fa
belongings	n	holmi
binoculars	n	távcső[távcsövek,acc=távcsövet,3sg=távcsöve]
chickenpox	n	bárányhimlő[bárányhimlők,acc=bárányhimlőt,3sg=bárányhimlője]
colleague	n	kolléga[person]
diesel	n	gázolaj[gázolajok,acc=gázolajat,3sg=gázolaja,person]
dough	n	tészta
fisherman	n	halász[person]
navigation	n	navigáció
nightfall	n	alkonyat[alkonyatok,3sg=alkonyata]
scientist	n	tudós[person]
pinch	n	csipet[csipetek,3sg=csipete]
removal	n	eltávolítás
site	n	helyszín ; terület
instead	adv	inkább ; helyette
shyly	adv	félénken
other	adj	más ; másik
most	adv	leginkább
most	n	nagy rész
much	n	nagy rész
a lot	adv	sokat
reopen	v	újra|nyit[intr=újra |nyit]
press	v	meg|nyom ; nyom
rob	v	ki|rabol
thank you	adv	köszönöm[for=acc]
so much	adv	nagyon ; annyira
very much	adv	nagyon
thanks	adv	köszönöm[for=acc]
let me know	adv	szólj
let know	v	szól[noobj,to=nak]
# --- Days, months and seasons, places and the time each says; names of countries and cities
tuesday	n	kedd[keddek,3sg=keddje,time=n,attr=keddi,for=ra]
wednesday	n	szerda[time=n,attr=szerdai,for=ra]
thursday	n	csütörtök[csütörtökök,3sg=csütörtökje,time=n,attr=csütörtöki,for=ra]
autumn	n	ősz[őszök,acc=őszt,3sg=ősze,time=val,attr=őszi]
january	n	január[januárok,3sg=januárja,time=ban,attr=januári,for=ra]
february	n	február[februárok,3sg=februárja,time=ban,attr=februári,for=ra]
april	n	április[time=ban,attr=áprilisi,for=ra]
may	n	május[cap,time=ban,attr=májusi,for=ra]
june	n	június[time=ban,attr=júniusi,for=ra]
july	n	július[time=ban,attr=júliusi,for=ra]
august	n	augusztus[cap,time=ban,attr=augusztusi,for=ra]
september	n	szeptember[szeptemberek,time=ban,attr=szeptemberi,for=ra]
october	n	október[októberek,time=ban,attr=októberi,for=ra]
november	n	november[novemberek,time=ban,attr=novemberi,for=ra]
december	n	december[decemberek,time=ban,attr=decemberi,for=ra]
christmas	n	karácsony[karácsonyok,time=kor,attr=karácsonyi]
easter	n	húsvét[húsvétok,3sg=húsvétja,time=kor,attr=húsvéti]
new year	n	újév[újévek,time=kor]
japan	n	japán[name]
europe	n	európa[name]
austria	n	ausztria[name]
germany	n	németország[name]
hungary	n	magyarország[name,in=n,to=ra,from=rol,at=on]
england	n	anglia[name]
france	n	franciaország[name]
italy	n	olaszország[name]
spain	n	spanyolország[name]
canada	n	kanada[name]
vienna	n	bécs[name]
prague	n	prága[name]
rome	n	róma[name]
lisbon	n	lisszabon[name]
porto	n	portó[name]
danube	n	duna[name]
# Places a page names often, in their Hungarian names; a Hungarian town or an island is "-n"
# ("Pécsen", "Ciprusra"), the rest "-ban" ("Brüsszelben")
brussels	n	brüsszel[name]
moscow	n	moszkva[name]
munich	n	münchen[name]
venice	n	velence[name]
milan	n	milánó[name]
naples	n	nápoly[name]
turin	n	torinó[name]
genoa	n	genova[name]
geneva	n	genf[name]
zurich	n	zürich[name]
athens	n	athén[name]
belgrade	n	belgrád[name]
bucharest	n	bukarest[name]
copenhagen	n	koppenhága[name]
amsterdam	n	amszterdam[name]
the hague	n	hága[name]
bratislava	n	pozsony[name]
zagreb	n	zágráb[name]
sarajevo	n	szarajevó[name]
kyiv	n	kijev[name]
kiev	n	kijev[name]
krakow	n	krakkó[name]
cracow	n	krakkó[name]
istanbul	n	isztambul[name]
jerusalem	n	jeruzsálem[name]
cairo	n	kairó[name]
beijing	n	peking[name]
tokyo	n	tokió[name]
minsk	n	minszk[name]
graz	n	grác[name]
belgium	n	belgium[name]
netherlands	n	hollandia[name]
the netherlands	n	hollandia[name]
holland	n	hollandia[name]
switzerland	n	svájc[name]
poland	n	lengyelország[name]
sweden	n	svédország[name]
norway	n	norvégia[name]
denmark	n	dánia[name]
finland	n	finnország[name]
greece	n	görögország[name]
croatia	n	horvátország[name]
serbia	n	szerbia[name]
romania	n	románia[name]
bulgaria	n	bulgária[name]
slovakia	n	szlovákia[name]
slovenia	n	szlovénia[name]
ukraine	n	ukrajna[name]
lithuania	n	litvánia[name]
latvia	n	lettország[name]
estonia	n	észtország[name]
albania	n	albánia[name]
bosnia	n	bosznia[name]
moldova	n	moldova[name]
montenegro	n	montenegró[name]
kosovo	n	koszovó[name]
belarus	n	fehéroroszország[name]
scotland	n	skócia[name]
ireland	n	írország[name]
portugal	n	portugália[name]
luxembourg	n	luxemburg[name]
czechia	n	csehország[name]
czech republic	n	csehország[name]
the czech republic	n	csehország[name]
great britain	n	nagy-britannia[name]
britain	n	nagy-britannia[name]
bavaria	n	bajorország[name]
transylvania	n	erdély[name]
sicily	n	szicília[name]
sardinia	n	szardínia[name]
scandinavia	n	skandinávia[name]
cyprus	n	ciprus[name,in=n,to=ra,from=rol]
malta	n	málta[name,in=n,to=ra,from=rol]
iceland	n	izland[name,in=n,to=ra,from=rol]
crete	n	kréta[name,in=n,to=ra,from=rol]
corsica	n	korzika[name,in=n,to=ra,from=rol]
cuba	n	kuba[name,in=n,to=ra,from=rol]
egypt	n	egyiptom[name]
morocco	n	marokkó[name]
tunisia	n	tunézia[name]
algeria	n	algéria[name]
ethiopia	n	etiópia[name]
nigeria	n	nigéria[name]
israel	n	izrael[name]
syria	n	szíria[name]
iraq	n	irak[name]
iran	n	irán[name]
afghanistan	n	afganisztán[name]
pakistan	n	pakisztán[name]
india	n	india[name]
indonesia	n	indonézia[name]
thailand	n	thaiföld[name]
vietnam	n	vietnám[name]
korea	n	korea[name]
mongolia	n	mongólia[name]
kazakhstan	n	kazahsztán[name]
georgia	n	grúzia[name]
armenia	n	örményország[name]
mexico	n	mexikó[name]
brazil	n	brazília[name]
argentina	n	argentína[name]
colombia	n	kolumbia[name]
australia	n	ausztrália[name]
africa	n	afrika[name]
asia	n	ázsia[name]
siberia	n	szibéria[name]
alps	n	alpok[name]
carpathians	n	kárpátok[name]
thames	n	temze[name]
rhine	n	rajna[name]
seine	n	szajna[name]
nile	n	nílus[name]
tisza	n	tisza[name]
balaton	n	balaton[name,in=n,to=ra,from=rol]
lake balaton	n	balaton[name,in=n,to=ra,from=rol]
szolnok	n	szolnok[name,in=n,to=ra,from=rol]
szombathely	n	szombathely[name,in=n,to=ra,from=rol]
keszthely	n	keszthely[name,in=n,to=ra,from=rol]
szentendre	n	szentendre[name,in=n,to=ra,from=rol]
toy	n	játék[játékok,3sg=játéka]
thief	n	tolvaj[tolvajok,acc=tolvajt,person]
set off	v	el|indul[noobj]
break up	v	szakít[noobj,with=val] ; fel|oszlat
call back	v	vissza|hív
fall asleep	v	el|alszik[noobj]
resign	v	le|mond[noobj]
hire	v	fel|vesz ; alkalmaz
prime minister	n	miniszterelnök[miniszterelnökök,person]
kilo	n	kiló
meal	n	étkezés[étkezések] ; étel
on time	adv	időben
cafe	n	kávézó[in=ban,at=ban,to=ba]
bike	n	bicikli[by=val] ; kerékpár[kerékpárok,3sg=kerékpárja]
look up	v	ki|keres[intr=fel|néz,at=ra] ; fel|néz[at=ra]
everywhere	adv	mindenhol ; mindenütt
nobody	n	senki[front]
no one	n	senki[front]
smile	v	el|mosolyodik[noobj,at=ra]
switch off	v	ki|kapcsol[state]
switch on	v	be|kapcsol[state]
carefully	adv	óvatosan ; figyelmesen[when=read/listen/watch/check/study/examine/follow/consider/look/observe/note]
for a long time	adv	sokáig
website	n	weboldal[weboldalak,acc=weboldalt,3sg=weboldala,on=n,to=ra]
interest rate	n	kamat[kamatok]
hello	adv	szia ; helló
to the left	adv	balra
to the right	adv	jobbra
on the left	adv	balra ; bal oldalon
on the right	adv	jobbra ; jobb oldalon
species	n	faj[fajok,acc=fajt,3sg=faja]
make sure	v	meg|győződik[noobj,that=rol]
# --- Words of longer everyday sentences: idioms and phrasal verbs with their own Hungarian verb,
# things of the home and the street, and more of the ranked lemmas in everyday use
look forward	v	vár[to=acc]
take care	v	gondoskodik[of=rol,noobj] ; vigyáz[of=ra,noobj]
get home	v	haza|ér[noobj]
get there	v	oda|ér[noobj]
get here	v	ide|ér[noobj]
thousands of	adj	több ezer
hundreds of	adj	több száz
millions of	adj	több millió
traffic light	n	lámpa ; jelzőlámpa
living room	n	nappali
front door	n	bejárati ajtó
primary school	n	általános iskola[to=ba,at=ban]
draw	n	döntetlen ; húzás
drawer	n	fiók[fiókok,3sg=fiókja]
stranger	n	idegen[idegenek,pp=idegenjei,person]
winner	n	nyertes[nyertesek,person] ; győztes[győztesek,person]
fry	v	meg|süt
unplug	v	ki|húz
ghost	n	kísértet[kísértetek] ; szellem[szellemek]
cash	n	készpénz
chest	n	mellkas ; láda
chin	n	áll[állak,3sg=álla]
celebration	n	ünneplés[ünneplések] ; ünnepség[ünnepségek]
central	adj	központi
category	n	kategória
childhood	n	gyerekkor[gyerekkorok]
careless	adj	figyelmetlen ; gondatlan
chase	v	üldöz
cent	n	cent
clerk	n	ügyintéző[person] ; hivatalnok[hivatalnokok,person]
client	n	ügyfél[ügyfelek,person]
climate	n	éghajlat[éghajlatok] ; klíma
clock	n	óra
coin	n	érme
collar	n	gallér[gallérok,3sg=gallérja,pp=gallérjai] ; nyakörv[nyakörvek,when=dog/cat/flea/leather,near=dog/dogs/puppy/cat/cats/kitten/lead/leash/pet/bark]
comedy	n	vígjáték[vígjátékok]
committee	n	bizottság[bizottságok]
communicate	v	kommunikál
companion	n	társ[társak,person]
comparison	n	összehasonlítás[összehasonlítások]
completely	adv	teljesen
confess	v	be|vall
confuse	v	össze|kever ; össze|zavar
confusion	n	zűrzavar ; zavar
constantly	adv	folyamatosan ; állandóan
continent	n	kontinens
cotton	n	pamut[pamutok,3sg=pamutja,pp=pamutjai]
couch	n	kanapé
crew	n	legénység[legénységek] ; személyzet[személyzetek]
crime	n	bűncselekmény[bűncselekmények] ; bűnözés
crisis	n	válság[válságok]
crop	n	termés[termések]
curious	adj	kíváncsi[about=ra]
currency	n	pénznem ; valuta
curtain	n	függöny[függönyök]
cushion	n	párna
custom	n	szokás[szokások]
deaf	adj	süket
debt	n	adósság[adósságok]
deeply	adv	mélyen
definition	n	meghatározás[meghatározások]
democracy	n	demokrácia
democratic	adj	demokratikus
departure	n	indulás[indulások]
destination	n	úti cél
destruction	n	pusztítás[pusztítások]
detective	n	nyomozó[person]
diamond	n	gyémánt[gyémántok]
dig	v	ás
dirt	n	kosz[koszok]
disappointment	n	csalódás[csalódások]
discount	n	kedvezmény[kedvezmények]
discuss	v	meg|beszél ; meg|vitat
discussion	n	megbeszélés[megbeszélések] ; vita
distant	adj	távoli
dollar	n	dollár[dollárok,3sg=dollárja,pp=dollárjai]
dozen	n	tucat[tucatok,3sg=tucatja,pp=tucatjai]
drought	n	aszály[aszályok]
drug	n	gyógyszer ; drog[drogok,3sg=drogja,pp=drogjai]
earn	v	keres ; ki|érdemel[when=respect/trust/praise/reputation/place/right]
easily	adv	könnyen
emergency	n	vészhelyzet[vészhelyzetek,attr=sürgősségi]
environment	n	környezet[környezetek]
equally	adv	egyformán ; egyenlően
european	adj	európai
event	n	esemény[események] ; rendezvény[rendezvények]
exactly	adv	pontosan
exception	n	kivétel[kivételek]
exciting	adj	izgalmas
exhibition	n	kiállítás[kiállítások]
exist	v	létezik
existence	n	létezés
expert	n	szakértő[person]
explanation	n	magyarázat[magyarázatok]
explosion	n	robbanás[robbanások]
extremely	adv	rendkívül ; nagyon
excessively	adv	túlságosan
fairly	adv	elég ; meglehetősen
false	adj	hamis
feather	n	toll[tollak]
fever	n	láz[lázak,3sg=láza]
fifteen	num	tizenöt
fifty	num	ötven
fifth	adj	ötödik
forgive	v	meg|bocsát[obj=nak]
fox	n	róka
freedom	n	szabadság[szabadságok]
frighten	v	meg|ijeszt
frightened	adj	ijedt
fuel	n	üzemanyag[üzemanyagok]
pepper	n	bors[borsok,acc=borsot,3sg=borsa] ; paprika[pl] ; paprika[when=red/green/yellow/bell/stuffed/sweet/chilli/chili/hot/roasted/orange]
deal	v	foglalkozik[with=val,noobj] ; oszt
clumsy	adj	ügyetlen
coastal	adj	tengerparti
comfortably	adv	kényelmesen
concrete	n	beton[betonok,3sg=betonja,pp=betonjai]
creative	adj	kreatív
critic	n	kritikus[kritikusok,person]
crucial	adj	döntő ; kulcsfontosságú
cute	adj	aranyos
deadly	adj	halálos
dealer	n	kereskedő[person]
deputy	n	helyettes[helyettesek,person]
diplomatic	adj	diplomáciai
disabled	adj	fogyatékos
disagreement	n	nézeteltérés[nézeteltérések]
dramatic	adj	drámai
dreadful	adj	borzasztó ; szörnyű
earnings	n	kereset[keresetek]
edition	n	kiadás[kiadások]
educational	adj	oktatási
effectively	adv	hatékonyan
efficient	adj	hatékony
empire	n	birodalom[birodalmak]
endless	adj	végtelen
ensure	v	biztosít
entertain	v	szórakoztat
entirely	adv	teljesen
episode	n	epizód[epizódok] ; rész[részek]
equality	n	egyenlőség[egyenlőségek]
exaggerate	v	túloz
exceptional	adj	kivételes
expectation	n	elvárás[elvárások]
fabric	n	anyag[anyagok] ; szövet[szövetek]
fatal	adj	végzetes ; halálos
finance	n	pénzügy[pénzügyek]
flavor	n	íz[ízek]
flesh	n	hús[húsok]
fortunate	adj	szerencsés
fragile	adj	törékeny
take part	v	részt |vesz[in=ban,noobj]
go to bed	v	le|fekszik[noobj]
as soon as possible	adv	minél előbb
shop	v	vásárol[noobj]
# --- everyday words of the news, the home, instructions and stories that had no entry, or
# FreeDict's first sense misled ("toilet", "vehicle", "theatre", "user")
update	n	frissítés[frissítések]
update	v	frissít[perf=fel,intr=frissül]
updated	adj	frissített ; naprakész
receipt	n	nyugta ; átvétel[when=confirm/acknowledge]
passenger	n	utas[utasok,person]
luggage	n	poggyász[poggyászok] ; csomag[csomagok,3sg=csomagja,pp=csomagjai]
platform	n	peron[peronok,3sg=peronja,pp=peronjai,at=n,to=ra,from=rol] ; vágány[vágányok,at=n,to=ra,from=rol,when=numbered]
injury	n	sérülés[sérülések]
ambulance	n	mentőautó[by=val] ; mentő
inflation	n	infláció
refugee	n	menekült[menekültek,person]
patient	n	beteg[betegek,person]
patient	adj	türelmes
surgery	n	műtét[műtétek]
pill	n	tabletta
symptom	n	tünet[tünetek]
cough	n	köhögés[köhögések]
cough	v	köhög[noobj]
virus	n	vírus[vírusok]
disease	n	betegség[betegségek]
oven	n	sütő
garlic	n	fokhagyma
potato	n	krumpli ; burgonya
carrot	n	répa ; sárgarépa
chop	v	fel|vág
screw	n	csavar[csavarok,3sg=csavarja,pp=csavarjai]
screwdriver	n	csavarhúzó
charger	n	töltő
keyboard	n	billentyűzet[billentyűzetek]
printer	n	nyomtató
install	v	telepít[perf=fel,state] ; fel|szerel
download	v	le|tölt
upload	v	fel|tölt
select	v	ki|választ
restart	v	újra|indít[intr=újra|indul]
loosen	v	meg|lazít[intr=meg|lazul]
prince	n	herceg[hercegek,person]
princess	n	hercegnő[person]
knight	n	lovag[lovagok,3sg=lovagja,pp=lovagjai,person]
sword	n	kard[kardok]
dragon	n	sárkány[sárkányok]
witch	n	boszorkány[boszorkányok,person]
corridor	n	folyosó[in=n]
fireplace	n	kandalló
pillow	n	párna
nightmare	n	rémálom[rémálmok,3sg=rémálma]
tremble	v	remeg[noobj,with=tol]
hug	v	meg|ölel ; ölel
neighbor	n	szomszéd[szomszédok,person]
landlord	n	főbérlő[person]
apartment	n	lakás[lakások]
elevator	n	lift[liftek]
theft	n	lopás[lopások]
victim	n	áldozat[áldozatok]
prison	n	börtön[börtönök,to=ba,at=ban]
video	n	videó
tv	n	tévé[on=ban]
tradition	n	hagyomány[hagyományok]
technique	n	technika ; módszer[módszerek]
toilet	n	vécé ; mosdó
user	n	felhasználó[person]
vehicle	n	jármű[járművek,3sg=járműve]
theatre	n	színház[színházak,to=ba,at=ban]
theater	n	színház[színházak,to=ba,at=ban]
signature	n	aláírás[aláírások]
headache	n	fejfájás[fejfájások]
melody	n	dallam[dallamok]
ministry	n	minisztérium[minisztériumok,from=tol]
phenomenon	n	jelenség[jelenségek]
quotation	n	idézet[idézetek]
uncertainty	n	bizonytalanság[bizonytalanságok]
task	n	feladat[feladatok]
talent	n	tehetség[tehetségek]
toe	n	lábujj[lábujjak]
luxury	n	luxus
journal	n	folyóirat[folyóiratok]
unable	adj	képtelen
suspicious	adj	gyanús
strategic	adj	stratégiai
stormy	adj	viharos
painful	adj	fájdalmas
psychological	adj	pszichológiai
unsuccessful	adj	sikertelen
upper	adj	felső
torn	adj	szakadt
prevent	v	meg|akadályoz
forbid	v	meg|tilt
overtake	v	meg|előz
mislead	v	félre|vezet
visibly	adv	láthatóan
visit	n	látogatás[látogatások]
advertisement	n	hirdetés[hirdetések]
ad	n	hirdetés[hirdetések]
szeged	n	szeged[name,in=n,to=ra,from=rol]
pecs	n	pécs[name,in=n,to=ra,from=rol]
miskolc	n	miskolc[name,in=n,to=ra,from=rol]
e-mail	n	e-mail[front,3sg=e-mailje,pp=e-mailjei,by=ban]
piano	n	zongora
guitar	n	gitár[gitárok,3sg=gitárja,pp=gitárjai]
violin	n	hegedű
take place	v	van[noobj]
euro	n	euró
measure	n	intézkedés[intézkedések] ; mérték[mértékek]
firefighter	n	tűzoltó[person]
invitation	n	meghívás[meghívások]
best wishes	adv	üdvözlettel ; minden jót[to=nak,for=ra]
well	adj	jó[pred=jól,van]
look out	v	ki|néz[of=on,noobj]
look out over	v	néz[noobj,obj=ra]
about	adv	körülbelül ; nagyjából
be born	v	születik[noobj]
be made	v	készül[noobj,of=bol,from=bol]
be over	v	véget |ér[noobj]
twin	n	iker[ikrek,person]
# --- frequent words of news, stories and e-mail that the ranking places past 3,000
imagine	v	el|képzel
immediately	adv	azonnal
improve	v	javít[intr=javul] ; fejleszt
industry	n	ipar[iparok]
independent	adj	független
independence	n	függetlenség[függetlenségek]
guilty	adj	bűnös[of=ban]
goal	n	cél[célok,3sg=célja,pp=céljai] ; gól[gólok,3sg=gólja,pp=góljai] ; gól[gólok,3sg=gólja,pp=góljai,by=val,when=score/win/lose/concede/beat/single/own/winning/late/equalising/equalizing/opening/decisive/away/stunning]
gun	n	fegyver[fegyverek] ; pisztoly[pisztolyok]
god	n	isten[istenek]
hardly	adv	alig
gate	n	kapu
hunt	v	vadászik[obj=ra]
heal	v	gyógyul[noobj]
export	n	export[exportok]
export	v	exportál
fund	n	alap[alapok,3sg=alapja,pp=alapjai]
incident	n	eset[esetek] ; incidens[incidensek]
epidemic	n	járvány[járványok]
china	n	kína[name]
chinese	adj	kínai
civil	adj	polgári
colony	n	gyarmat[gyarmatok]
commander	n	parancsnok[parancsnokok,person]
congress	n	kongresszus[kongresszusok]
constitution	n	alkotmány[alkotmányok]
costly	adj	költséges
daylight	n	napfény[napfények]
designer	n	tervező[person]
downtown	n	belváros[belvárosok]
envy	n	irigység[irigységek]
fighting	n	harc[harcok]
girlfriend	n	barátnő[person]
gossip	n	pletyka
guy	n	srác[srácok,person]
harvest	n	termés[termések] ; aratás[aratások]
honestly	adv	őszintén
hunger	n	éhség[éhségek]
identical	adj	azonos
importance	n	fontosság[fontosságok]
impatient	adj	türelmetlen
infect	v	meg|fertőz
infectious	adj	fertőző
insurance	n	biztosítás[biztosítások,attr=biztosítási]
international	adj	nemzetközi
invest	v	be|fektet[in=ba]
investigate	v	ki|vizsgál
investigation	n	vizsgálat[vizsgálatok] ; nyomozás[nyomozások]
investment	n	befektetés[befektetések]
initiative	n	kezdeményezés[kezdeményezések]
inspect	v	meg|vizsgál
invent	v	fel|talál
intention	n	szándék[szándékok]
instantly	adv	azonnal
initial	adj	kezdeti
declaration	n	nyilatkozat[nyilatkozatok]
dam	n	gát[gátak,3sg=gátja,pp=gátjai]
editorial	n	vezércikk[vezércikkek]
efficiency	n	hatékonyság[hatékonyságok]
enterprise	n	vállalkozás[vállalkozások]
equip	v	fel|szerel
execution	n	kivégzés[kivégzések]
expenditure	n	kiadás[kiadások]
extensive	adj	kiterjedt
guilt	n	bűntudat[bűntudatok]
hut	n	kunyhó
indirect	adj	közvetett
inevitably	adv	elkerülhetetlenül
# --- Everyday words of news, e-mail, instructions and stories that neither the ranking nor the
# development corpora reached: nouns of the home, the office, the town, the news and nature
advice	n	tanács[tanácsok]
anniversary	n	évforduló
wedding anniversary	n	házassági évforduló[évfordulók]
app	n	alkalmazás[alkalmazások]
bean	n	bab[3sg=babja]
bride	n	menyasszony[menyasszonyok,person]
bullet	n	golyó
burger	n	hamburger[hamburgerek]
cabinet	n	szekrény[szekrények] ; kormány
century	n	évszázad[évszázadok] ; század[századok] ; század[századok,when=first/second/third/fourth/fifth/sixth/seventh/eighth/ninth/tenth/eleventh/twelfth/thirteenth/fourteenth/fifteenth/sixteenth/seventeenth/eighteenth/nineteenth/twentieth/last/next/this/early/late/mid]
chairman	n	elnök[elnökök,person]
chef	n	séf[person,3sg=séfje] ; szakács[person]
cigarette	n	cigaretta
citizen	n	állampolgár[állampolgárok,person]
claim	n	állítás[állítások] ; igény[igények] ; kárigény[kárigények,when=insurance/make/file/submit/reject/process/settle/handle/damage/compensation]
cliff	n	szikla
clinic	n	klinika ; rendelő
cloth	n	ruha ; anyag[anyagok]
college	n	főiskola
conversation	n	beszélgetés[beszélgetések]
cottage	n	házikó
cream	n	krém[krémek] ; tejszín[tejszínek] ; tejszín[tejszínek,when=stir/whip/pour/add/double/single/whipped/sour/fresh/heavy/whipping]
cupboard	n	szekrény[szekrények]
data	n	adat[adatok]
decade	n	évtized[évtizedek]
department	n	osztály[osztályok] ; részleg[részlegek]
dessert	n	desszert[desszertek]
diet	n	diéta ; étrend[étrendek]
district	n	kerület[kerületek]
donkey	n	szamár[szamarak]
dot	n	pont[pontok]
editor	n	szerkesztő[person]
elephant	n	elefánt[elefántok]
employee	n	alkalmazott[alkalmazottak,3sg=alkalmazottja,person]
employer	n	munkaadó[person]
engineer	n	mérnök[mérnökök,person]
equipment	n	felszerelés[felszerelések]
estate	n	birtok[birtokok]
fee	n	díj[díjak]
flame	n	láng[3sg=lángja]
folder	n	mappa
friendship	n	barátság[barátságok]
frog	n	béka
funeral	n	temetés[temetések,to=ra,at=n]
furniture	n	bútor[bútorok]
gallery	n	galéria
goat	n	kecske
grandfather	n	nagyapa[nagyapák,3sg=nagyapja,person]
ham	n	sonka
harbour	n	kikötő[at=ban,in=ban,to=ba,from=bol]
headline	n	főcím[főcímek,front]
highway	n	autópálya
household	n	háztartás[háztartások]
illness	n	betegség[betegségek]
income	n	jövedelem[jövedelmek,acc=jövedelmet,3sg=jövedelme]
ink	n	tinta[in=val]
insect	n	rovar[rovarok]
jewel	n	ékszer[ékszerek]
jury	n	esküdtszék[esküdtszékek] ; zsűri[front,near=competition/competitions/contest/contestant/contestants/prize/prizes/festival/award/awards/entries/winner/winners/finalist/finalists/shortlist/shortlisted/song/songs/show/talent/photo/photos/photograph/photographs/film/films]
kiss	n	csók[3sg=csókja]
lady	n	hölgy[hölgyek,person]
lamp	n	lámpa
laptop	n	laptop[3sg=laptopja]
lawyer	n	ügyvéd[ügyvédek,person]
leader	n	vezető[person]
lion	n	oroszlán[3sg=oroszlánja]
liver	n	máj[májak]
loan	n	hitel[hitelek] ; kölcsön[kölcsönök]
lock	n	zár[zárak]
lorry	n	teherautó
menu	n	menü[menük] ; étlap[étlapok,3sg=étlapja]
metal	n	fém[3sg=fémje]
method	n	módszer[módszerek]
mobile	n	mobil[3sg=mobilja]
monkey	n	majom[majmok,acc=majmot,3sg=majma]
mood	n	hangulat[hangulatok]
movie	n	film[filmek,3sg=filmje]
mushroom	n	gomba
neck	n	nyak[nyakak]
niece	n	unokahúg[unokahúgok,person]
note	n	jegyzet[jegyzetek] ; üzenet[üzenetek] ; bankjegy[bankjegyek,3sg=bankjegye,when=bank/pound/euro/dollar/forint/fake/counterfeit/count/counted]
novel	n	regény[regények]
ocean	n	óceán[óceánok,3sg=óceánja]
owner	n	tulajdonos[tulajdonosok,person]
paint	n	festék[festékek]
pear	n	körte
pencil	n	ceruza[in=val]
period	n	időszak[időszakok]
permission	n	engedély[engedélyek]
pet	n	háziállat[háziállatok]
petrol	n	benzin[3sg=benzinje]
photographer	n	fotós[fotósok,person] ; fényképész[fényképészek]
pie	n	pite
pig	n	disznó ; malac[malacok]
planet	n	bolygó
poem	n	vers[versek,acc=verset]
poet	n	költő[person]
politician	n	politikus[politikusok,person]
pollution	n	szennyezés[szennyezések]
portrait	n	portré
priest	n	pap[person,3sg=papja]
prisoner	n	rab[person,3sg=rabja]
promise	n	ígéret[ígéretek]
proof	n	bizonyíték[bizonyítékok]
pub	n	kocsma
pupil	n	diák[diákok,person,3sg=diákja] ; tanuló
puzzle	n	rejtvény[rejtvények]
queue	n	sor[sorok]
rabbit	n	nyúl[nyulak,acc=nyulat,3sg=nyula]
religion	n	vallás[vallások]
reporter	n	riporter[riporterek,person]
rescue	n	mentés[mentések]
rope	n	kötél[kötelek,acc=kötelet,3sg=kötele]
rubbish	n	szemét[szemetek,acc=szemetet,3sg=szemete]
rug	n	szőnyeg[szőnyegek]
rumour	n	pletyka
salad	n	saláta
salary	n	fizetés[fizetések]
sand	n	homok[3sg=homokja]
sausage	n	kolbász[kolbászok]
scarf	n	sál[sálak]
season	n	szezon[3sg=szezonja,time=ban] ; évszak[évszakok,time=ban] ; évszak[évszakok,time=ban,when=four/rainy/dry/wet/favourite/favorite/cold/warm/hot/changing/each/every/all/other/different/colder/warmer] ; szezon[3sg=szezonja,time=ban,when=flu/influenza/allergy/pollen/theatre/theater/festival/transfer/tennis/racing/cycling/football/tourist/holiday/new/next/regular/skiing/ski/hunting/breeding/peak/festive/opening/league/basketball/hockey/premier/high/low/busy]
secretary	n	titkár[titkárok,person]
snake	n	kígyó
spider	n	pók[3sg=pókja]
stadium	n	stadion[3sg=stadionja]
stair	n	lépcső
statue	n	szobor[szobrok,acc=szobrot,3sg=szobra]
stomach	n	gyomor[gyomrok,acc=gyomrot,3sg=gyomra]
strawberry	n	eper[eprek,acc=epret,3sg=epre]
strike	n	sztrájk[3sg=sztrájkja]
studio	n	stúdió
suburb	n	külváros[külvárosok]
suitcase	n	bőrönd[bőröndök]
supper	n	vacsora
surgeon	n	sebész[sebészek,person]
swimming	n	úszás
teenager	n	tinédzser[tinédzserek,person]
temperature	n	hőmérséklet[hőmérsékletek,pair]
text	n	szöveg[szövegek]
thumb	n	hüvelykujj[hüvelykujjak]
tiger	n	tigris[tigrisek]
timetable	n	menetrend[menetrendek]
torch	n	zseblámpa
trouble	n	baj[bajok,acc=bajt] ; gond[gondok]
truck	n	teherautó
turkey	n	pulyka
valley	n	völgy[völgyek]
van	n	furgon[3sg=furgonja]
victory	n	győzelem[győzelmek,acc=győzelmet,3sg=győzelme]
visa	n	vízum[vízumok]
voter	n	szavazó[person]
wage	n	bér[bérek]
waiter	n	pincér[person,3sg=pincérje]
wardrobe	n	szekrény[szekrények]
warning	n	figyelmeztetés[figyelmeztetések,attr=figyelmeztető]
weapon	n	fegyver[fegyverek]
widow	n	özvegy[özvegyek,person]
wool	n	gyapjú
bus stop	n	buszmegálló
login	n	bejelentkezés[bejelentkezések]
reset	v	vissza|állít
silent	adj	csendes[csendesek]
somewhere	adv	valahol
somewhere else	adv	máshol
# --- Everyday verbs and adjectives no ranking reached ('famous', 'necessary', 'protect', 'solve')
achieve	v	el|ér
annoy	v	bosszant
chat	v	beszélget[noobj,with=val,about=rol] ; cseveg[noobj]
chew	v	rág
cycle	v	biciklizik[noobj] ; kerékpározik[noobj]
decorate	v	díszít ; fel|díszít
deserve	v	meg|érdemel
disappear	v	el|tűnik[noobj,into=ban]
dress	v	fel|öltözik[noobj]
dry	v	szárít[intr=meg|szárad,perf=meg] ; meg|szárít
fetch	v	hoz ; el|hoz
fire	v	ki|rúg ; tüzel[noobj]
kneel	v	térdel[noobj]
land	v	le|száll[noobj,on=ra]
last	v	tart[noobj]
mark	v	jelöl ; meg|jelöl
marry	v	feleségül |megy[obj=hoz,intr=házasodik] ; feleségül |vesz[when=girlfriend/fiancee/bride/wife/woman/girl/lady/princess/queen/widow/actress/daughter/sweetheart]
obey	v	engedelmeskedik[obj=nak]
occur	v	történik[noobj]
offend	v	meg|sért
own	v	birtokol
plan	v	tervez ; meg|tervez
point	v	mutat[at=ra]
pray	v	imádkozik[noobj,for=ert]
present	v	be|mutat ; át|ad ; vezet[when=programme/program/show/news/series/quiz/broadcast] ; be|nyújt[when=evidence/plan/report/proposal/bill/budget/petition/claim/application/findings] ; át|ad[when=award/prize/medal/trophy/certificate/cheque/check/gift/diploma/flower/bouquet]
pretend	v	színlel
protect	v	véd[from=tol] ; meg|véd
punish	v	meg|büntet[for=ert] ; büntet[for=ert]
recommend	v	ajánl ; javasol
record	v	fel|vesz
rub	v	dörzsöl
sack	v	ki|rúg
shave	v	borotválkozik[noobj] ; borotvál
sign	v	alá|ír ; le|igazol[when=player/striker/goalkeeper/defender/midfielder/forward/winger/coach]
sink	v	el|süllyed[noobj]
sneeze	v	tüsszent[noobj]
solve	v	meg|old ; old
sort	v	rendez ; válogat
swap	v	cserél ; ki|cserél
tie	v	köt ; meg|köt
undress	v	le|vetkőzik[noobj]
unpack	v	ki|csomagol
vanish	v	el|tűnik[noobj]
wander	v	vándorol[noobj] ; kóborol[noobj]
warm	v	melegít ; fel|melegít
yawn	v	ásít[noobj]
annoyed	adj	bosszús[with=ra]
anxious	adj	ideges ; aggódó
boiling	adj	forró
cheerful	adj	vidám
cloudy	adj	felhős
cruel	adj	kegyetlen
damp	adj	nedves ; nyirkos[when=patch/wall/room/basement/cellar/house/flat/weather/air/climate/spot/stain]
eager	adj	lelkes
early	adj	korai ; kora[when=morning/afternoon/evening/spring/summer/autumn/winter]
electric	adj	elektromos
enormous	adj	hatalmas ; óriási
excellent	adj	kiváló
famous	adj	híres[for=rol]
firm	adj	szilárd ; határozott ; kemény[when=mattress/bed/surface/fruit/flesh/pillow/tofu/texture/ground/cheese] ; határozott[when=handshake/voice/stance/tone/decision/answer/no/hand/grip/leadership/believer/commitment/refusal/position]
flat	adj	lapos ; lemerült[when=battery] ; defektes[when=tyre/tire] ; sík[when=ground/surface/land/terrain/area/field/country/road]
fluent	adj	folyékony
fluently	adv	folyékonyan
foggy	adj	ködös
foolish	adj	ostoba
global	adj	globális
gorgeous	adj	gyönyörű
grateful	adj	hálás
greedy	adj	kapzsi
grey	adj	szürke
handsome	adj	jóképű
harmful	adj	káros
helpful	adj	segítőkész ; hasznos
hidden	adj	rejtett
horrible	adj	szörnyű
huge	adj	hatalmas ; óriási
illegal	adj	illegális ; törvénytelen
jealous	adj	féltékeny
lonely	adj	magányos
lovely	adj	gyönyörű ; kedves[person] ; kellemes[when=evening/time/weekend/holiday/stay/afternoon/party/chat/walk/trip/surprise/atmosphere] ; finom[finomak,when=dinner/meal/lunch/breakfast/food/cake/soup/wine/smell/supper/dish]
main	adj	fő
mild	adj	enyhe
missing	adj	eltűnt ; hiányzó
moral	adj	erkölcsi
nasty	adj	csúnya ; undok
nearby	adj	közeli
necessary	adj	szükséges
normal	adj	normális ; szokásos
obvious	adj	nyilvánvaló
perfect	adj	tökéletes
pink	adj	rózsaszín
pleasant	adj	kellemes
polite	adj	udvarias
pregnant	adj	terhes
previous	adj	előző
private	adj	privát ; magán
purple	adj	lila
rapid	adj	gyors
recent	adj	legutóbbi ; friss
relaxed	adj	nyugodt ; laza
responsible	adj	felelős[for=ert]
ripe	adj	érett
royal	adj	királyi
rude	adj	goromba ; durva
scared	adj	ijedt
selfish	adj	önző
sensible	adj	értelmes
shiny	adj	fényes
shy	adj	félénk
silly	adj	buta ; bolond
similar	adj	hasonló
slim	adj	karcsú
spicy	adj	csípős
steep	adj	meredek
sticky	adj	ragacsos
strict	adj	szigorú
successful	adj	sikeres
sudden	adj	hirtelen
surprised	adj	meglepett
tasty	adj	finom ; ízletes
thirsty	adj	szomjas
tidy	adj	rendes ; rendezett
tiny	adj	apró ; pici
traditional	adj	hagyományos
typical	adj	tipikus ; jellemző
unhappy	adj	boldogtalan ; elégedetlen[with=val,when=with]
urgent	adj	sürgős
useful	adj	hasznos
usual	adj	szokásos
valuable	adj	értékes
visible	adj	látható
wealthy	adj	gazdag
weird	adj	furcsa
worried	adj	aggódó ; ideges
# --- Everyday adverbs of manner, frequency and comment
anyway	adv	amúgy ; mindenesetre
apparently	adv	látszólag
certainly	adv	biztosan
currently	adv	jelenleg
definitely	adv	biztosan ; határozottan
deliberately	adv	szándékosan
especially	adv	különösen
eventually	adv	végül
fortunately	adv	szerencsére
frequently	adv	gyakran
gradually	adv	fokozatosan
highly	adv	nagyon ; rendkívül
hopefully	adv	remélhetőleg
indeed	adv	valóban
lately	adv	mostanában
loudly	adv	hangosan
luckily	adv	szerencsére
mainly	adv	főleg
meanwhile	adv	közben ; eközben
merely	adv	csupán
mostly	adv	többnyire ; főleg
nearly	adv	majdnem ; csaknem
neatly	adv	rendesen ; szépen
nevertheless	adv	mégis
normally	adv	általában ; rendszerint
obviously	adv	nyilvánvalóan
occasionally	adv	néha ; alkalmanként
otherwise	adv	különben ; egyébként
politely	adv	udvariasan
possibly	adv	talán ; esetleg
previously	adv	korábban
properly	adv	rendesen ; megfelelően
rarely	adv	ritkán
recently	adv	nemrég ; mostanában
regularly	adv	rendszeresen
sadly	adv	szomorúan ; sajnos
seldom	adv	ritkán
seriously	adv	komolyan ; súlyosan ; súlyosan[when=injure/injured/hurt/ill/damage/damaged/wound/wounded]
slightly	adv	kissé ; kicsit
smoothly	adv	simán
specifically	adv	kifejezetten
strongly	adv	erősen
surely	adv	biztosan
tightly	adv	szorosan
totally	adv	teljesen
truly	adv	igazán
unfortunately	adv	sajnos
seaside	n	tengerpart[tengerpartok,3sg=tengerpartja,to=ra,at=n,in=n]
in the end	adv	végül
on the way	adv	útközben
on the way home	adv	hazafelé
on my way home	adv	hazafelé
on your way home	adv	hazafelé
on his way home	adv	hazafelé
on her way home	adv	hazafelé
on our way home	adv	hazafelé
on their way home	adv	hazafelé
exhausted	adj	kimerült
disappointed	adj	csalódott[with=ban,in=ban]
satisfied	adj	elégedett[with=val]
delighted	adj	boldog
amazed	adj	meglepett
shocked	adj	megdöbbent
divorced	adj	elvált
crowded	adj	zsúfolt
retired	adj	nyugdíjas
glasses	n	szemüveg[szemüvegek,pair]
break into	v	be|tör[obj=ba]
peacefully	adv	békésen ; nyugodtan
apologize	v	elnézést |kér[for=ert,to=tol,noobj] ; bocsánatot |kér[for=ert,to=tol,noobj]
inconvenience	n	kellemetlenség[kellemetlenségek]
get married	v	össze|házasodik[noobj]
interested	adj	érdeklődő
patience	n	türelem[türelmek,acc=türelmet,3sg=türelme,poss=türelme]
put out	v	el|olt ; ki|tesz[when=bin/bins/rubbish/trash/recycling/garbage/washing/chairs/food/flag/sign]
get dark	v	sötétedik[noobj]
get cold	v	le|hűl[noobj]
get better	v	javul[noobj]
get lost	v	el|téved[noobj]
best regards	adv	üdvözlettel
kind regards	adv	üdvözlettel
yours sincerely	adv	tisztelettel
yours faithfully	adv	tisztelettel
never mind	adv	nem számít ; semmi baj
take care	adv	vigyázz magadra
excuse me	adv	elnézést
have a nice day	adv	további szép napot
happy birthday	adv	boldog születésnapot
happy anniversary	adv	boldog évfordulót
happy new year	adv	boldog új évet
merry christmas	adv	boldog karácsonyt
you're welcome	adv	szívesen
sounds good	adv	jól hangzik
what's up	adv	mi újság
it's up to you	adv	rajtad múlik
keep in touch	adv	tartsuk a kapcsolatot
talk to you later	adv	majd beszélünk
nice to meet you	adv	örülök a találkozásnak ; örvendek
it was nice to meet you	adv	örültem a találkozásnak
it was nice to see you	adv	jó volt látni téged
nice to see you	adv	jó látni téged
i hope so	adv	remélem
i don't think so	adv	nem hiszem
thank you in advance	adv	előre is köszönöm[for=acc]
thanks in advance	adv	előre is köszönöm[for=acc]
speak soon	adv	hamarosan beszélünk
as requested	adv	kérésére
dear sir or madam	adv	tisztelt hölgyem vagy uram
hi all	adv	sziasztok
hi everyone	adv	sziasztok
hello everyone	adv	sziasztok
what do you mean	adv	hogy érted
i'd love to	adv	nagyon szívesen
on my way	adv	úton
i'm afraid not	adv	sajnos nem
say goodbye	v	el|köszön[noobj,to=tol]
# --- Words and phrases of longer news, instructions, e-mail and stories: things that break down,
# go on strike, hang upside down; what forms, menus and shops call things
capital letter	n	nagybetű[in=val]
customer service	n	ügyfélszolgálat
swimming costume	n	fürdőruha
jewellery	n	ékszer
heating	n	fűtés[attr=fűtési]
take-off	n	felszállás
drill	n	fúró[fúrók]
apply for	v	jelentkezik[obj=ra] ; pályázik[obj=ra]
break down	v	meg|hibásodik[noobj] ; le|robban[noobj] ; le|robban[noobj,when=car/bus/van/truck/lorry/vehicle/coach/tractor/taxi/motorbike/motorcycle] ; meg|szakad[noobj,when=talk/negotiation/discussion/marriage/relationship]
go on strike	v	sztrájkol[noobj]
turn round	v	meg|fordul[noobj]
upside down	adv	fejjel lefelé
let us know	adv	szólj nekünk
anymore	adv	többé
hi	adv	szia ; helló
hey	adv	szia ; hé
# --- The eighth round: nationalities (a person and an adjective, as "italian"), the everyday
# nouns of news, instructions and e-mail that had no entry, and their set phrases
african	adj	afrikai
asian	adj	ázsiai
austrian	adj	osztrák
swiss	adj	svájci
dutch	n	holland[person]
dutch	adj	holland
turkish	adj	török
canadian	n	kanadai[person]
canadian	adj	kanadai
australian	adj	ausztrál
irish	n	ír[person]
irish	adj	ír
scottish	adj	skót
swedish	adj	svéd
norwegian	adj	norvég
danish	adj	dán
finnish	adj	finn
czech	adj	cseh
slovak	adj	szlovák
romanian	adj	román
croatian	adj	horvát
serbian	adj	szerb
ukrainian	adj	ukrán
portuguese	adj	portugál
mexican	n	mexikói[person]
mexican	adj	mexikói
brazilian	adj	brazil
arab	adj	arab
welsh	adj	walesi
belgian	n	belga[person]
belgian	adj	belga
egyptian	adj	egyiptomi
israeli	adj	izraeli
korean	adj	koreai
vietnamese	adj	vietnámi
thai	adj	thai
european	n	európai[person]
chinese	n	kínai[person]
british	n	brit[person]
french	adj	francia
polish	adj	lengyel
nightclub	n	szórakozóhely[szórakozóhelyek] ; éjszakai klub
economist	n	közgazdász[közgazdászok,person]
sunlight	n	napfény[napfények]
newsletter	n	hírlevél[hírlevelek]
recess	n	szünet[szünetek]
maker	n	gyártó
misuse	n	visszaélés[visszaélések,front] ; helytelen használat
corruption	n	korrupció[attr=korrupciós]
promotion	n	előléptetés[előléptetések] ; akció[akciók]
burglary	n	betörés[betörések]
packaging	n	csomagolás
compartment	n	rekesz[rekeszek]
questionnaire	n	kérdőív[kérdőívek,front]
sunset	n	naplemente[naplementék] ; alkony
scandal	n	botrány[botrányok]
accusation	n	vád[vádak,3sg=vádja]
warehouse	n	raktár[raktárak]
unemployment	n	munkanélküliség
microwave	n	mikró ; mikrohullámú sütő
warranty	n	garancia[garanciák] ; jótállás[jótállások]
pedestrian	n	gyalogos[person,gyalogosok]
cyclist	n	kerékpáros[person,kerékpárosok] ; biciklis
talk	n	beszélgetés ; előadás ; tárgyalás[tárgyalások,pl] ; előadás[when=give/deliver/attend/keynote]
lift	n	lift[liftek,3sg=liftje,in=ban] ; felvonó
drop	n	csepp[cseppek,3sg=cseppje,pp=cseppjei] ; esés
date of birth	n	születési dátum
meeting room	n	tárgyaló
board meeting	n	igazgatósági ülés
sales assistant	n	eladó[person]
shop assistant	n	eladó[person]
main road	n	főút[főutak,3sg=főútja]
main square	n	főtér[főterek,in=n,at=n,to=ra]
main entrance	n	főbejárat[főbejáratok]
main street	n	főutca
power cable	n	tápkábel[tápkábelek]
power cut	n	áramszünet[áramszünetek]
per cent	n	százalék[százalékok]
in a row	adv	sorozatban ; egymás után
in the distance	adv	a távolban
any longer	adv	tovább
on a low heat	adv	lassú tűzön
over a low heat	adv	lassú tűzön
congratulations	adv	gratulálok[on=hoz]
look into	v	ki|vizsgál ; nyomoz[noobj]
call for	v	sürget ; követel
go up	v	fel|megy[obj=on,thing=emelkedik]
break out	v	ki|tör[noobj]
give way	v	elsőbbséget |ad[noobj,to=nak] ; enged[noobj]
stick to	v	ragaszkodik[obj=hoz]
hang up	v	le|tesz ; fel|akaszt
hurry up	v	siet[noobj]
tear open	v	fel|tép
at the bottom	adv	alul
at the top	adv	felül ; fent
for the first time	adv	először
for the second time	adv	másodszor
for the third time	adv	harmadszor
for the fourth time	adv	negyedszer
for the fifth time	adv	ötödször
for the last time	adv	utoljára
second	n	másodperc[másodpercek,3sg=másodperce,time=n]
use	n	használat[használatok]
mum	n	anya[anyák,3sg=anyja,person]
mom	n	anya[anyák,3sg=anyja,person]
dad	n	apa[apák,3sg=apja,person]
grandpa	n	nagyapa[nagyapák,3sg=nagyapja,person]
grandma	n	nagymama[person]
national team	n	válogatott[válogatottak,3sg=válogatottja,pp=válogatottjai]
emergency landing	n	kényszerleszállás[kényszerleszállások]
early election	n	előrehozott választás
total amount	n	végösszeg[végösszegek]
go dark	v	el|sötétül[noobj]
plenty of	adj	sok
without power	adv	áram nélkül
overnight	adv	éjszakára ; egyik napról a másikra ; éjjel
available	adj	elérhető ; szabad ; kapható ; szabad[when=room/table/seat/place/space/spot/bed/slot/appointment/parking/flat/apartment/house/office/studio]
injured	adj	sérült
silently	adv	csendben ; nesztelenül
peel	v	meg|hámoz ; hámoz
today	adj	mai
yesterday	adj	tegnapi
tomorrow	adj	holnapi
below	adj	alábbi
above	adj	fenti
# --- Everyday words of weather, the kitchen, shops, post and travel, checked by part of speech
sunshine	n	napsütés
lightning	n	villám[villámok]
heatwave	n	hőség[hőségek] ; kánikula
breeze	n	szellő[szellők]
windy	adj	szeles
rainy	adj	esős
snowy	adj	havas
humid	adj	párás
heavy rain	n	heves eső
heavy snow	n	nagy hó[havak]
heavy traffic	n	nagy forgalom[forgalmak]
strong wind	n	erős szél[szelek]
old town	n	óváros[óvárosok,to=ba,at=ban]
jail	n	börtön[börtönök,to=ba,at=ban]
prescription	n	recept[receptek,3sg=receptje]
pharmacy	n	gyógyszertár[gyógyszertárak,to=ba,at=ban] ; patika
chemist	n	gyógyszerész[person] ; vegyész[person]
freezer	n	fagyasztó[fagyasztók] ; mélyhűtő
kettle	n	vízforraló[vízforralók]
toaster	n	kenyérpirító[kenyérpirítók]
saucepan	n	lábas[lábasok] ; serpenyő
frying pan	n	serpenyő[serpenyők]
mug	n	bögre[bögrék]
jug	n	kancsó
dishwasher	n	mosogatógép[mosogatógépek]
vinegar	n	ecet[ecetek,3sg=ecete]
cabbage	n	káposzta[káposzták]
lettuce	n	saláta[saláták] ; fejes saláta
cucumber	n	uborka[uborkák]
pea	n	borsó[borsók]
yoghurt	n	joghurt[joghurtok,3sg=joghurtja]
pork	n	sertéshús[sertéshúsok,3sg=sertéshúsa] ; disznóhús
lamb	n	bárány[bárányok] ; bárányhús
bacon	n	szalonna[szalonnák]
lemon	n	citrom[citromok,3sg=citroma]
grape	n	szőlő[szőlők]
cherry	n	cseresznye[cseresznyék]
peach	n	őszibarack[őszibarackok,3sg=őszibarackja,pp=őszibarackjai]
plum	n	szilva[szilvák]
melon	n	dinnye[dinnyék]
spoonful	n	kanálnyi
teaspoon	n	teáskanál[teáskanalak]
tablespoon	n	evőkanál[evőkanalak]
whisk	v	fel|ver
whisk	n	habverő
grate	v	le|reszel ; reszel
grill	v	grillez ; meg|süt
grill	n	grill[grillek,acc=grillt,3sg=grillje,pp=grilljei] ; rács
simmer	v	főz ; párol
rinse	v	ki|mos ; le|mos
sender	n	feladó[person,feladók]
recipient	n	címzett[person,címzettek]
agenda	n	napirend[napirendek] ; napirendi pont ; program[programok,3sg=programja]
payment	n	fizetés[fizetések] ; befizetés[befizetések] ; kifizetés[kifizetések]
shipment	n	szállítmány[szállítmányok]
supplier	n	beszállító[beszállítók] ; szállító
retirement	n	nyugdíj[nyugdíjak,3sg=nyugdíja] ; nyugdíjba vonulás ; nyugdíjazás
vacation	n	szabadság[szabadságok] ; vakáció ; nyaralás[nyaralások]
cancellation	n	lemondás[attr=lemondási] ; törlés
sightseeing	n	városnézés[városnézések,front]
cathedral	n	katedrális ; székesegyház[székesegyházak,acc=székesegyházat,3sg=székesegyháza]
palace	n	palota[paloták,to=ba,at=ban]
monument	n	emlékmű[emlékművek]
referee	n	játékvezető[person,játékvezetők] ; bíró
tournament	n	torna[tornák] ; bajnokság
public money	n	közpénz[közpénzek]
# --- Places, things and phrasal verbs of errands, e-mail and home that had no entry: the
# compounds Hungarian says in one word of its own, and the phrasal verbs with their verb
post office	n	posta[to=ra,at=n] ; postahivatal
police station	n	rendőrség[rendőrségek,to=ra,at=n]
car park	n	parkoló[to=ba,at=ban]
traffic jam	n	dugó[dugók,in=ban]
rush hour	n	csúcsidő[csúcsidők,3sg=csúcsideje]
petrol station	n	benzinkút[benzinkutak,3sg=benzinkútja,to=hoz,at=nal]
gas station	n	benzinkút[benzinkutak,3sg=benzinkútja,to=hoz,at=nal]
supermarket	n	szupermarket[szupermarketek,to=ba,at=ban] ; élelmiszerbolt
washing machine	n	mosógép[mosógépek]
driving licence	n	jogosítvány[jogosítványok]
working day	n	munkanap[munkanapok,3sg=munkanapja,pp=munkanapjai]
back door	n	hátsó ajtó
red wine	n	vörös bor
white wine	n	fehérbor[fehérborok]
sales manager	n	értékesítési vezető[person]
subscription	n	előfizetés[előfizetések]
town hall	n	városháza[to=ba,at=ban]
city hall	n	városháza[to=ba,at=ban]
fire station	n	tűzoltóság
bank account	n	bankszámla
speed limit	n	sebességkorlátozás
alarm clock	n	ébresztőóra
dining room	n	ebédlő
renew	v	meg|újít ; meg|hosszabbít
check in	v	be|jelentkezik[noobj]
check out	v	ki|jelentkezik[noobj,of=bol]
check on	v	rá|néz[obj=ra]
log in	v	be|jelentkezik[noobj]
log out	v	ki|jelentkezik[noobj]
sign in	v	be|jelentkezik[noobj]
sign up	v	fel|iratkozik[noobj,for=ra] ; jelentkezik[noobj,for=ra]
lie down	v	le|dől[noobj]
shut down	v	le|áll[noobj] ; le|állít
slow down	v	le|lassul[noobj] ; le|lassít
fill out	v	ki|tölt
come across	v	rá|talál[obj=ra] ; rá|bukkan[noobj,obj=ra]
run away	v	el|szalad[noobj,past=szaladt] ; el|menekül[noobj]
hold on	v	vár[noobj]
turn up	v	meg|jelenik[noobj] ; fel|hangosít[when=music/volume/radio/tv/television/sound/stereo]
put away	v	el|tesz
plug in	v	be|dug[state]
get in	v	be|száll[noobj]
get out	v	ki|száll[noobj,of=bol]
clean up	v	fel|takarít
top up	v	fel|tölt
look around	v	körül|néz[noobj]
drop off	v	le|tesz ; ki|tesz
ruined	adj	romos ; tönkrement
see you	adv	találkozunk ; viszlát
# --- Everyday adjectives and adverbs that had no entry, checked by part of speech
accurate	adj	pontos
annual	adj	éves ; évi
confident	adj	magabiztos ; biztos
daily	adj	napi ; mindennapi
digital	adj	digitális
electronic	adj	elektronikus
elegant	adj	elegáns
experienced	adj	tapasztalt
informal	adj	kötetlen ; informális
invisible	adj	láthatatlan
mental	adj	lelki ; szellemi ; mentális
mobile	adj	mobil ; hordozható
monthly	adj	havi
outdoor	adj	szabadtéri ; kültéri
practical	adj	gyakorlati ; praktikus
religious	adj	vallásos ; vallási
sensitive	adj	érzékeny
separate	adj	külön ; különálló
unemployed	adj	munkanélküli
unfair	adj	igazságtalan
unique	adj	egyedi ; egyedülálló
useless	adj	haszontalan
weekly	adj	heti
willing	adj	hajlandó
anywhere	adv	bárhol ; sehol
elsewhere	adv	máshol
far	adv	messze[from=tol] ; messzire
kindly	adv	kedvesen
largely	adv	nagyrészt
nearby	adv	a közelben
nowhere	adv	sehol
partly	adv	részben
perfectly	adv	tökéletesen
relatively	adv	viszonylag
therefore	adv	ezért
thoroughly	adv	alaposan
typically	adv	jellemzően
ultimately	adv	végül
mobile phone	n	mobiltelefon[mobiltelefonok,3sg=mobiltelefonja,pp=mobiltelefonjai]
# --- Set phrases of any page: when, how and in what state
at the moment	adv	jelenleg ; éppen
by mistake	adv	véletlenül ; tévedésből
by accident	adv	véletlenül
on purpose	adv	szándékosan
for example	adv	például
for instance	adv	például
in time	adv	időben
at first	adv	először ; eleinte
in general	adv	általában
as well	adv	szintén
at the same time	adv	ugyanakkor ; egyszerre
in advance	adv	előre
on average	adv	átlagosan
in total	adv	összesen
on the other hand	adv	másrészt
by the way	adv	egyébként ; apropó
so far	adv	eddig
out of order	adv	üzemen kívül[van]
in person	adv	személyesen
in danger	adv	veszélyben[van]
at risk	adv	veszélyben[van]
on fire	adv	lángokban[van]
for free	adv	ingyen
free	adv	ingyen
in public	adv	nyilvánosan
nowadays	adv	manapság ; napjainkban
these days	adv	manapság
all right	adv	jól ; rendben
right now	adv	most
from now on	adv	mostantól
every time	adv	minden alkalommal
each time	adv	minden alkalommal
next time	adv	legközelebb
last time	adv	legutóbb ; utoljára
this time	adv	ezúttal
out of date	adj	elavult
up to date	adj	naprakész
in love	adj	szerelmes[with=ba]
# --- Everyday verbs that had no entry
accuse	v	meg|vádol[of=val] ; vádol[of=val]
aim	v	céloz[at=ra]
compete	v	versenyez[noobj,with=val,for=ert]
convince	v	meg|győz[of=rol]
dream	v	álmodik[about=rol,of=rol,that=rol]
elect	v	meg|választ ; választ
import	v	importál
mend	v	meg|javít ; meg|foltoz
persuade	v	rá|beszél ; meg|győz
reveal	v	fel|fed ; el|árul
scare	v	meg|ijeszt
sew	v	varr
ski	v	síel[noobj]
spit	v	köp
tour	v	bejár
unite	v	egyesít
# --- Everyday nouns that had no entry, checked by part of speech
achievement	n	eredmény[eredmények] ; teljesítmény
actor	n	színész[person,színészek]
advantage	n	előny[előnyök]
aircraft	n	repülőgép[repülőgépek]
alcohol	n	alkohol[alkoholok,3sg=alkoholja,pp=alkoholjai]
ankle	n	boka[bokák,pair]
appetite	n	étvágy[étvágyak]
artist	n	művész[person]
balcony	n	erkély[erkélyek,to=ra,at=on]
bandage	n	kötés
basement	n	pince[to=ba,at=ban,pincék]
bucket	n	vödör[vödrök,acc=vödröt,3sg=vödre,poss=vödrö]
cartoon	n	rajzfilm[rajzfilmek,3sg=rajzfilmje,pp=rajzfilmjei] ; karikatúra
chemistry	n	kémia[attr=kémiai]
context	n	összefüggés[összefüggések] ; kontextus
courage	n	bátorság
database	n	adatbázis[adatbázisok]
description	n	leírás
diary	n	napló
emotion	n	érzelem[érzelmek,acc=érzelmet,3sg=érzelme,poss=érzelme]
escape	n	szökés ; menekülés
flavour	n	íz[ízek]
fountain	n	szökőkút[szökőkutak,3sg=szökőkútja]
golf	n	golf[golfok,3sg=golfja,pp=golfjai]
helicopter	n	helikopter[helikopterek,by=val]
hobby	n	hobbi
hope	n	remény[remények]
humour	n	humor
infection	n	fertőzés[fertőzések]
internet	n	internet[internetek,3sg=internetje,pp=internetjei,on=n,to=ra]
joy	n	öröm[örömök,3sg=öröme]
jump	n	ugrás
jungle	n	dzsungel[dzsungelek,in=ban]
kidney	n	vese[vesék]
knowledge	n	tudás ; ismeret[ismeretek]
laboratory	n	laboratórium
laugh	n	nevetés
licence	n	engedély[engedélyek] ; jogosítvány[jogosítványok]
meaning	n	jelentés[jelentések] ; értelem[értelmek,acc=értelmet,3sg=értelme,poss=értelme]
media	n	média
mortgage	n	lakáshitel[lakáshitelek] ; jelzáloghitel[jelzáloghitelek] ; jelzálog
nation	n	nemzet[nemzetek,3sg=nemzete,attr=nemzeti]
nerve	n	ideg[idegek]
nonsense	n	butaság ; hülyeség[hülyeségek] ; ostobaság
opportunity	n	lehetőség[lehetőségek] ; alkalom[alkalmak,acc=alkalmat,3sg=alkalma,poss=alkalma]
option	n	lehetőség[lehetőségek] ; opció
outcome	n	eredmény[eredmények] ; kimenetel
pension	n	nyugdíj[nyugdíjak,3sg=nyugdíja] ; panzió
percentage	n	százalék[százalékok,3sg=százaléka]
person	n	személy[személyek,person] ; ember[emberek,person]
plastic	n	műanyag[műanyagok,3sg=műanyaga]
pleasure	n	öröm[örömök,3sg=öröme] ; élvezet[élvezetek]
poster	n	plakát[plakátok,3sg=plakátja,pp=plakátjai] ; poszter
practice	n	gyakorlat[gyakorlatok] ; edzés
profession	n	szakma[szakmák] ; hivatás
professor	n	professzor[person,professzorok] ; tanár
proposal	n	javaslat[javaslatok,3sg=javaslata] ; ajánlat
quantity	n	mennyiség[mennyiségek]
relation	n	kapcsolat[kapcsolatok,3sg=kapcsolata] ; viszony
route	n	útvonal[útvonalak,3sg=útvonala]
sailor	n	tengerész[person,tengerészek]
satellite	n	műhold[műholdak,3sg=műholdja,pp=műholdjai]
scholarship	n	ösztöndíj[ösztöndíjak,3sg=ösztöndíja]
science	n	tudomány[tudományok,attr=tudományos] ; természettudomány
servant	n	szolga[person]
shopping	n	bevásárlás
skill	n	készség[készségek] ; képesség[képességek] ; tudás
society	n	társadalom[társadalmak,acc=társadalmat,3sg=társadalma,poss=társadalma,attr=társadalmi] ; egyesület
strategy	n	stratégia
symbol	n	szimbólum ; jelkép[jelképek]
parking	n	parkolás[parkolások]
palm	n	tenyér[tenyerek]
pack	n	csomag[csomagok,3sg=csomagja,pp=csomagjai]
preheat	v	elő|melegít
prescribe	v	fel|ír
antibiotic	n	antibiotikum[antibiotikumok]
sore throat	n	torokfájás[torokfájások]
good morning	adv	jó reggelt
good afternoon	adv	jó napot
good evening	adv	jó estét
good night	adv	jó éjszakát
good luck	adv	sok szerencsét[with=hoz]
fall off	v	le|esik[noobj,obj=rol]
box office	n	jegypénztár[jegypénztárak,to=hoz,at=nal]
public holiday	n	ünnepnap[ünnepnapok,3sg=ünnepnapja,time=n]
opening hours	n	nyitvatartás
unemployment rate	n	munkanélküliségi ráta
finely	adv	apróra ; finoman
automatically	adv	automatikusan
expiry date	n	lejárati dátum
forward	v	továbbít[to=nak]
attendance	n	részvétel
get back to	v	válaszol[obj=nak]
reschedule	v	át|tesz[for=ra,to=ra]
apologies	adv	elnézést[for=ert]
little sister	n	húg[húgok,person]
younger sister	n	húg[húgok,person]
little brother	n	öcs[öcsök,3sg=öccse,poss=öcsé,pp=öccsei,person]
younger brother	n	öcs[öcsök,3sg=öccse,poss=öcsé,pp=öccsei,person]
older brother	n	báty[bátyák,3sg=bátyja,person]
elder brother	n	báty[bátyák,3sg=bátyja,person]
big brother	n	báty[bátyák,3sg=bátyja,person]
older sister	n	nővér[nővérek,person]
elder sister	n	nővér[nővérek,person]
big sister	n	nővér[nővérek,person]
come into force	v	hatályba |lép[noobj]
# --- What "take", "make" and "do" mean with their everyday nouns
take a photo	v	fényképet |készít[noobj,of=rol]
take a picture	v	fényképet |készít[noobj,of=rol]
take a breath	v	levegőt |vesz[noobj]
take the bus	v	busszal |megy[noobj]
take a bus	v	busszal |megy[noobj]
take the train	v	vonattal |megy[noobj]
take a train	v	vonattal |megy[noobj]
take a taxi	v	taxival |megy[noobj]
take a shower	v	zuhanyozik[noobj]
take a seat	v	helyet |foglal[noobj]
take your seat	v	helyet |foglal[noobj]
take your seats	v	helyet |foglal[noobj]
take their seats	v	helyet |foglal[noobj]
take our seats	v	helyet |foglal[noobj]
take a break	v	szünetet |tart[noobj]
take a walk	v	sétál[noobj]
make a mistake	v	hibázik[noobj]
make a decision	v	dönt[noobj]
make friends	v	barátokat |szerez[noobj]
make the bed	v	be|ágyaz[noobj]
valid	adj	érvényes
out of stock	adj	elfogyott
in stock	adv	raktáron[van]
keep in touch	v	kapcsolatban |marad[noobj]
watch	n	karóra[karórák,3sg=karórája] ; óra[órák]
in surprise	adv	meglepetten
for a while	adv	egy ideig
hide and seek	n	bújócska
pull out	v	ki|húz ; ki|vonul[noobj,of=bol]
part-time	adv	részmunkaidőben
full-time	adv	teljes munkaidőben
tank	n	tartály[tartályok] ; harckocsi[harckocsik]
technology	n	technológia[technológiák,attr=technológiai] ; technika
tennis	n	tenisz
theme	n	téma[témák]
topic	n	téma[témák] ; témakör
tragedy	n	tragédia[tragédiák]
training	n	képzés[képzések,to=ra,at=n] ; edzés[edzések,to=ra,at=n]
tune	n	dallam[dallamok,3sg=dallama]
universe	n	világegyetem[világegyetemek]
vase	n	váza[vázák]
waitress	n	pincérnő[person]
wish	n	kívánság
wrist	n	csukló[csuklók]
zone	n	zóna
# --- Senses a word's neighbours choose, and words whose only reading in the dictionary misleads
green	n	zöld szín
tin	n	doboz ; bádog[bádogok,3sg=bádogja,pp=bádogjai] ; forma[formák,near=bake/baking/cake/oven/mixture/batter/grease/greased/line/dough]
baking tin	n	sütőforma[sütőformák]
serving	n	tálalás[tálalások] ; adag[adagok,3sg=adagja,pp=adagjai,when=one/two/three/four/per/each]
cake tin	n	tortaforma
baking tray	n	tepsi[tepsik,3sg=tepsije]
baking sheet	n	tepsi[tepsik,3sg=tepsije]
baking paper	n	sütőpapír[sütőpapírok,3sg=sütőpapírja]
baking powder	n	sütőpor[sütőporok,3sg=sütőpora]
baking dish	n	tűzálló tál[tálak]
muddy	adj	sáros
deep-sea	adj	mélytengeri
forint	n	forint[forintok]
new year's eve	n	szilveszter[time=kor]
# --- The ninth round: what the tenth corpus's misses showed missing, by kind: compounds Hungarian
# says in one word, set phrases of time and quantity, phrasal verbs with their own verb
power supply	n	áramellátás[áramellátások]
water supply	n	vízellátás[vízellátások]
train service	n	vonatjárat[vonatjáratok]
seat belt	n	biztonsági öv[övek]
running water	n	folyóvíz[folyóvizek]
egg white	n	tojásfehérje[tojásfehérjék]
cycling lane	n	kerékpársáv[kerékpársávok,3sg=kerékpársávja,pp=kerékpársávjai]
cycle lane	n	kerékpársáv[kerékpársávok,3sg=kerékpársávja,pp=kerékpársávjai]
break-in	n	betörés[betörések]
check-out	n	kijelentkezés[attr=kijelentkezési,kijelentkezések] ; távozás
support team	n	ügyfélszolgálat[ügyfélszolgálatok]
at any time	adv	bármikor
dozens of	adj	több tucat
from home	adv	otthonról
from here	adv	innen
from there	adv	onnan
near here	adv	a közelben
on leave	adv	szabadságon[van]
safely	adv	biztonságosan ; épségben
fine	v	meg|bírságol[for=ert]
knock down	v	ki|dönt ; le|dönt ; el|üt ; le|bont
knock over	v	fel|dönt
take over	v	át|vesz
hand in	v	be|ad
go to sleep	v	el|alszik[noobj]
go to the polls	v	urnákhoz |járul[noobj] ; szavaz[noobj]
come forward	v	jelentkezik[noobj]
make it to	v	el|jut[obj=ra]
urgently	adv	sürgősen
thanks a lot	adv	köszönöm szépen[for=acc]
fish	v	horgászik[noobj] ; halászik[noobj]
fishing licence	n	horgászengedély[horgászengedélyek]
fishing license	n	horgászengedély[horgászengedélyek]
licence to fish	n	horgászengedély[horgászengedélyek]
license to fish	n	horgászengedély[horgászengedélyek]
fishing permit	n	horgászengedély[horgászengedélyek]
fishing rod	n	horgászbot[horgászbotok,3sg=horgászbotja]
fishing line	n	horgászzsinór[horgászzsinórok,3sg=horgászzsinórja]
rod	n	rúd[rudak,3sg=rúdja] ; bot[botok,3sg=botja,near=fishing/fisherman/angler/fish/line/hook/bait/float/reel]
controller	n	irányító[irányítók,person] ; vezérlő[when=game/wireless/remote/console]
air traffic	n	légi forgalom
air traffic controller	n	légi forgalmi irányító[person]
air traffic control	n	légi forgalmi irányítás
homeless person	n	hajléktalan[hajléktalanok,3sg=hajléktalanja,person]
cancellation policy	n	lemondási szabályzat
spawning season	n	ívási időszak[time=ban]
parking fine	n	parkolási bírság
speeding fine	n	gyorshajtási bírság
lemon cake	n	citromtorta
stand still	v	mozdulatlanul |áll[noobj]
sit still	v	nyugton |ül[noobj]
lie still	v	mozdulatlanul |fekszik[noobj]
keep still	v	nyugton |marad[noobj]
hold still	v	nyugton |marad[noobj]
stay still	v	nyugton |marad[noobj]
information desk	n	információs pult[at=nal,from=nal]
many thanks	adv	nagyon köszönöm[for=acc]
diabetes	n	cukorbetegség
warsaw	n	varsó[name]
no parking	adv	tilos a parkolás
no smoking	adv	tilos a dohányzás
staff only	adv	csak személyzetnek

# --- everyday words of any page, by topic (eighth round)
# money, banks and shopping
savings	n	megtakarítás[megtakarítások]
investor	n	befektető[befektetők,person]
shareholder	n	részvényes[részvényesek,person]
atm	n	bankautomata[bankautomaták]
revenue	n	bevétel[bevételek]
turnover	n	forgalom[forgalmak,acc=forgalmat,3sg=forgalma,poss=forgalma]
poverty	n	szegénység
auction	n	árverés[árverések] ; aukció
membership	n	tagság[tagságok]
compensation	n	kártérítés[kártérítések] ; kártalanítás
affordable	adj	megfizethető
financial	adj	pénzügyi ; anyagi
unpaid	adj	kifizetetlen
profitable	adj	nyereséges ; jövedelmező
yearly	adj	éves ; évi
annually	adv	évente
refund	v	vissza|fizet ; vissza|térít
mall	n	bevásárlóközpont[bevásárlóközpontok,3sg=bevásárlóközpontja,to=ba,at=ban]
checkout	n	pénztár[pénztárak]
cashier	n	pénztáros[pénztárosok,person]
trolley	n	bevásárlókocsi
goods	n	áru[áruk] ; termék[termékek]
shipping	n	szállítás[szállítások]
handbag	n	kézitáska[kézitáskák]
# work and the office
applicant	n	jelentkező[jelentkezők,person] ; pályázó
qualification	n	képesítés[képesítések] ; végzettség[végzettségek]
certificate	n	bizonyítvány[bizonyítványok] ; igazolás[igazolások] ; tanúsítvány
negotiation	n	tárgyalás[tárgyalások]
receptionist	n	recepciós[recepciósok,person]
accountant	n	könyvelő[könyvelők,person]
consultant	n	tanácsadó[tanácsadók,person]
overtime	n	túlóra[túlórák]
disadvantage	n	hátrány[hátrányok]
maintenance	n	karbantartás[karbantartások]
management	n	vezetés ; irányítás
workshop	n	műhely[műhelyek]
recommendation	n	ajánlás[ajánlások] ; javaslat[javaslatok,3sg=javaslata]
reputation	n	hírnév[hírnevek,acc=hírnevet,3sg=hírneve,poss=hírneve]
shortage	n	hiány[hiányok]
vacancy	n	üresedés[üresedések] ; szabad hely
specialist	n	szakember[szakemberek,person] ; szakorvos
temporary	adj	ideiglenes ; átmeneti
permanent	adj	állandó ; végleges ; tartós
reasonable	adj	elfogadható ; észszerű
satisfactory	adj	kielégítő
acceptable	adj	elfogadható
negotiate	v	tárgyal[with=val]
participate	v	részt |vesz[noobj,in=ban]
predict	v	meg|jósol ; előre |jelez
# health, the doctor and the body
toothache	n	fogfájás[fogfájások]
therapy	n	terápia[terápiák] ; kezelés
vaccination	n	oltás[oltások]
allergy	n	allergia[allergiák]
lung	n	tüdő[tüdők]
muscle	n	izom[izmok,acc=izmot,3sg=izma,poss=izmo]
forehead	n	homlok[homlokok,3sg=homloka]
cheek	n	arc[arcok] ; orca
lip	n	ajak[ajkak,acc=ajkat,3sg=ajka,poss=ajka,pair]
eyebrow	n	szemöldök[szemöldökök,3sg=szemöldöke,pair]
abdomen	n	has[hasak]
sweat	n	izzadság
scar	n	sebhely[sebhelyek] ; heg
abnormal	adj	rendellenes
# the home: rooms, furniture, appliances, cleaning
armchair	n	fotel[fotelek,3sg=fotelje,in=ban]
shampoo	n	sampon[samponok,3sg=samponja]
toothbrush	n	fogkefe[fogkefék]
toothpaste	n	fogkrém[fogkrémek]
garbage	n	szemét[szemetek,acc=szemetet,3sg=szemete,poss=szemete]
trash	n	szemét[szemetek,acc=szemetet,3sg=szemete,poss=szemete]
rubbish bin	n	szemetes[szemetesek]
broom	n	seprű[seprűk]
vacuum cleaner	n	porszívó[porszívók]
laundry	n	szennyes ; mosás
tenant	n	bérlő[bérlők,person] ; lakó
lawn	n	pázsit[pázsitok,3sg=pázsitja] ; gyep
doorbell	n	csengő[csengők]
hallway	n	folyosó[folyosók,to=ra,at=n] ; előszoba
staircase	n	lépcsőház[lépcsőházak] ; lépcső
out of order	adj	üzemen kívül[van] ; elromlott
radiator	n	radiátor[radiátorok] ; fűtőtest
heater	n	fűtőtest[fűtőtestek,3sg=fűtőteste] ; hősugárzó
boiler	n	kazán[kazánok,3sg=kazánja] ; bojler
air conditioning	n	légkondicionáló ; klíma
plumber	n	vízvezeték-szerelő[vízvezeték-szerelők,person]
electrician	n	villanyszerelő[villanyszerelők,person]
mattress	n	matrac[matracok]
duvet	n	paplan[paplanok,3sg=paplanja]
hanger	n	vállfa[vállfák]
bookcase	n	könyvespolc[könyvespolcok,on=n]
tile	n	csempe[csempék]
wallpaper	n	tapéta[tapéták] ; háttérkép[háttérképek,front]
ladder	n	létra[létrák]
mop	n	felmosó[felmosók]
sponge	n	szivacs[szivacsok]
detergent	n	mosószer[mosószerek] ; mosogatószer
tissue	n	zsebkendő[zsebkendők] ; szövet[szövetek]
napkin	n	szalvéta[szalvéták]
cutlery	n	evőeszköz[evőeszközök]
corkscrew	n	dugóhúzó[dugóhúzók]
cooker	n	tűzhely[tűzhelyek]
leak	n	szivárgás[szivárgások]
socket	n	konnektor[konnektorok] ; aljzat
thermostat	n	termosztát[termosztátok,3sg=termosztátja]
padlock	n	lakat[lakatok,3sg=lakatja]
smoke detector	n	füstérzékelő[füstérzékelők]
fire extinguisher	n	tűzoltó készülék
mailbox	n	postaláda[postaládák]
letterbox	n	postaláda[postaládák]
doorstep	n	küszöb[küszöbök,3sg=küszöbe,on=n]
porch	n	veranda[verandák,on=n]
chimney	n	kémény[kémények]
hedge	n	sövény[sövények]
gardener	n	kertész[kertészek,person]
wipe	v	le|töröl ; meg|töröl
tidy	v	rendet |rak[noobj] ; el|pakol
vacuum	v	porszívóz
scrub	v	súrol
mow	v	nyír ; le|nyír
furnish	v	be|rendez
# food and cooking
snack	n	harapnivaló
pizza	n	pizza[pizzák]
yogurt	n	joghurt[joghurtok,3sg=joghurtja]
juice	n	gyümölcslé[gyümölcslevek,acc=gyümölcslevet,3sg=gyümölcsleve]
apricot	n	sárgabarack[sárgabarackok,3sg=sárgabarackja] ; kajszi
raspberry	n	málna[málnák]
watermelon	n	görögdinnye[görögdinnyék]
pineapple	n	ananász[ananászok]
spinach	n	spenót[spenótok,3sg=spenótja]
pumpkin	n	tök[tökök,3sg=töke]
almond	n	mandula[mandulák]
walnut	n	dió[diók]
peanut	n	földimogyoró[földimogyorók]
cereal	n	gabona[gabonák]
porridge	n	zabkása[zabkásák]
pancake	n	palacsinta[palacsinták]
omelette	n	omlett[omlettek,3sg=omlettje]
salmon	n	lazac[lazacok]
tuna	n	tonhal[tonhalak]
seafood	n	tenger gyümölcsei
noodle	n	tészta[tészták] ; metélt
spaghetti	n	spagetti
mustard	n	mustár[mustárok]
spice	n	fűszer[fűszerek]
herb	n	fűszernövény[fűszernövények] ; gyógynövény
cinnamon	n	fahéj[fahéjak,3sg=fahéja]
vanilla	n	vanília[vaníliák]
cookie	n	keksz[kekszek]
popcorn	n	pattogatott kukorica
candy	n	cukorka[cukorkák] ; édesség
sweets	n	édesség[édességek] ; cukorka
lemonade	n	limonádé[limonádék,back]
vodka	n	vodka[vodkák]
cocktail	n	koktél[koktélok,3sg=koktélja]
teapot	n	teáskanna[teáskannák]
calorie	n	kalória[kalóriák]
vitamin	n	vitamin[vitaminok,3sg=vitaminja]
protein	n	fehérje[fehérjék]
roast	v	süt[perf=meg]
sip	v	kortyol ; kortyolgat
vegetarian	adj	vegetáriánus
vegan	adj	vegán
rotten	adj	rohadt ; romlott
stale	adj	száraz ; állott
crispy	adj	ropogós
greasy	adj	zsíros
homemade	adj	házi
# clothes and what one carries
t-shirt	n	póló[pólók]
jeans	n	farmer[farmerek]
jumper	n	pulóver[pulóverek]
pullover	n	pulóver[pulóverek]
hoodie	n	kapucnis pulóver
sandal	n	szandál[szandálok,3sg=szandálja,pair]
trainer	n	edző[edzők,person]
trainers	n	sportcipő[sportcipők,pair]
sneaker	n	sportcipő[sportcipők,pair]
zip	n	cipzár[cipzárak]
zipper	n	cipzár[cipzárak]
necklace	n	nyaklánc[nyakláncok]
earring	n	fülbevaló[fülbevalók,pair]
bracelet	n	karkötő[karkötők]
sunglasses	n	napszemüveg[napszemüvegek]
pyjamas	n	pizsama[pizsamák]
pajamas	n	pizsama[pizsamák]
underwear	n	alsónemű ; fehérnemű
sleeve	n	ujj[ujjak,3sg=ujja]
backpack	n	hátizsák[hátizsákok,3sg=hátizsákja]
raincoat	n	esőkabát[esőkabátok,3sg=esőkabátja]
blouse	n	blúz[blúzok]
shorts	n	rövidnadrág[rövidnadrágok,3sg=rövidnadrágja]
tights	n	harisnya[harisnyák]
slipper	n	papucs[papucsok,pair]
silk	n	selyem[selymek,acc=selymet,3sg=selyme,poss=selyme]
leather	n	bőr[bőrök,attr=bőr]
# family and the stages of life
grandson	n	unoka[unokák,person]
granddaughter	n	unoka[unokák,person]
boyfriend	n	barát[barátok,3sg=barátja,pp=barátai,person]
fiance	n	vőlegény[vőlegények,person]
fiancee	n	menyasszony[menyasszonyok,person]
stepfather	n	mostohaapa[mostohaapák,3sg=mostohaapja,person] ; nevelőapa
stepmother	n	mostohaanya[mostohaanyák,3sg=mostohaanyja,person]
mother-in-law	n	anyós[anyósok,person]
father-in-law	n	após[apósok,person]
son-in-law	n	vő[vők,3sg=veje,person]
daughter-in-law	n	meny[menyek,person]
brother-in-law	n	sógor[sógorok,person]
sister-in-law	n	sógornő[sógornők,person]
orphan	n	árva[árvák,person]
widower	n	özvegy[özvegyek,person]
toddler	n	kisgyerek[kisgyerekek,person]
infant	n	csecsemő[csecsemők,person] ; kisbaba
upbringing	n	neveltetés
adolescence	n	serdülőkor[serdülőkorok]
adulthood	n	felnőttkor[felnőttkorok]
# animals
rat	n	patkány[patkányok]
deer	n	szarvas[szarvasok]
bee	n	méh[méhek] ; méhecske
mosquito	n	szúnyog[szúnyogok,3sg=szúnyogja]
butterfly	n	pillangó[pillangók] ; lepke
squirrel	n	mókus[mókusok]
hedgehog	n	sündisznó[sündisznók]
owl	n	bagoly[baglyok,acc=baglyot,3sg=baglya,poss=baglyo]
eagle	n	sas[sasok]
pigeon	n	galamb[galambok,3sg=galambja]
parrot	n	papagáj[papagájok,acc=papagájt]
swan	n	hattyú[hattyúk]
turtle	n	teknős[teknősök]
tortoise	n	teknős[teknősök]
snail	n	csiga[csigák]
worm	n	kukac[kukacok]
ant	n	hangya[hangyák]
wasp	n	darázs[darazsak,acc=darazsat,3sg=darazsa,poss=darazsa]
beetle	n	bogár[bogarak,acc=bogarat,3sg=bogara,poss=bogara]
whale	n	bálna[bálnák]
dolphin	n	delfin[delfinek,3sg=delfinje]
shark	n	cápa[cápák]
crab	n	rák[rákok,3sg=rákja]
kitten	n	kiscica[kiscicák] ; cica
puppy	n	kiskutya[kiskutyák]
camel	n	teve[tevék]
giraffe	n	zsiráf[zsiráfok,3sg=zsiráfja]
zebra	n	zebra[zebrák]
kangaroo	n	kenguru[kenguruk]
penguin	n	pingvin[pingvinek,3sg=pingvinje]
fur	n	szőr[szőrök] ; bunda
# nature, the land and the weather
recycling	n	újrahasznosítás
moss	n	moha[mohák]
pond	n	tó[tavak,acc=tavat,3sg=tava,in=ban] ; kacsaúsztató
waterfall	n	vízesés[vízesések]
cave	n	barlang[barlangok,3sg=barlangja,to=ba,at=ban]
volcano	n	vulkán[vulkánok,3sg=vulkánja]
glacier	n	gleccser[gleccserek,3sg=gleccsere]
meadow	n	rét[rétek,3sg=rétje,in=n] ; mező
horizon	n	látóhatár[látóhatárok] ; horizont
sunrise	n	napkelte[napkelték]
dusk	n	alkony ; szürkület
rainbow	n	szivárvány[szivárványok]
hurricane	n	hurrikán[hurrikánok,3sg=hurrikánja]
tornado	n	tornádó[tornádók]
avalanche	n	lavina[lavinák]
wildfire	n	erdőtűz[erdőtüzek,acc=erdőtüzet,3sg=erdőtüze,poss=erdőtüze]
puddle	n	tócsa[tócsák] ; pocsolya
mud	n	sár[sarak,acc=sarat,3sg=sara,poss=sara]
thunderstorm	n	zivatar[zivatarok] ; vihar
drizzle	n	szitálás ; szemerkélő eső
environmental	adj	környezeti ; környezetvédelmi
rural	adj	vidéki
urban	adj	városi
frosty	adj	fagyos
chilly	adj	hűvös
breezy	adj	szellős
# computers, phones and the web
smartphone	n	okostelefon[okostelefonok,3sg=okostelefonja]
hardware	n	hardver[hardverek]
download	n	letöltés[letöltések]
upload	n	feltöltés[feltöltések]
installation	n	telepítés[telepítések] ; beszerelés
icon	n	ikon[ikonok,3sg=ikonja]
browser	n	böngésző[böngészők]
server	n	szerver[szerverek]
username	n	felhasználónév[felhasználónevek,acc=felhasználónevet,3sg=felhasználóneve,poss=felhasználóneve]
notification	n	értesítés[értesítések]
backup	n	biztonsági mentés ; mentés[mentések]
chat	n	csevegés[csevegések] ; beszélgetés
follower	n	követő[követők,person]
touchscreen	n	érintőképernyő[érintőképernyők]
headphones	n	fejhallgató[fejhallgatók]
earphones	n	fülhallgató[fülhallgatók]
microphone	n	mikrofon[mikrofonok,3sg=mikrofonja]
webcam	n	webkamera[webkamerák]
cursor	n	kurzor[kurzorok]
pixel	n	pixel[pixelek] ; képpont
interface	n	felület[felületek] ; kezelőfelület
dashboard	n	műszerfal[műszerfalak] ; irányítópult
toolbar	n	eszköztár[eszköztárak]
shortcut	n	rövidebb út ; parancsikon[parancsikonok,3sg=parancsikonja]
desktop	n	asztal[asztalok] ; asztali gép
homepage	n	kezdőlap[kezdőlapok,pp=kezdőlapjai] ; honlap[honlapok,pp=honlapjai]
bookmark	n	könyvjelző[könyvjelzők]
upgrade	n	frissítés[frissítések] ; bővítés
privacy	n	magánélet[magánéletek,3sg=magánélete]
encryption	n	titkosítás[titkosítások]
firewall	n	tűzfal[tűzfalak]
antivirus	n	vírusirtó[vírusirtók]
malware	n	kártevő[kártevők] ; kártékony program
hacker	n	hekker[hekkerek,person]
directory	n	könyvtár[könyvtárak]
format	n	formátum[formátumok,3sg=formátuma]
template	n	sablon[sablonok,3sg=sablonja]
spreadsheet	n	táblázat[táblázatok,3sg=táblázata]
graph	n	grafikon[grafikonok,3sg=grafikonja]
font	n	betűtípus[betűtípusok]
layout	n	elrendezés[elrendezések]
forum	n	fórum[fórumok,on=n]
blog	n	blog[blogok,3sg=blogja]
subscriber	n	előfizető[előfizetők,person] ; feliratkozó
manual	n	kézikönyv[kézikönyvek] ; használati útmutató
instructions	n	használati útmutató ; utasítás[utasítások]
online	adj	online ; internetes
wireless	adj	vezeték nélküli
manual	adj	kézi
compatible	adj	kompatibilis
virtual	adj	virtuális
default	adj	alapértelmezett
invalid	adj	érvénytelen
unavailable	adj	nem elérhető
outdated	adj	elavult
interactive	adj	interaktív
delete	v	töröl ; ki|töröl
paste	v	be|illeszt
browse	v	böngész
disconnect	v	le|választ ; szét|kapcsol
reboot	v	újra|indít
scroll	v	görget
zoom	v	nagyít
edit	v	szerkeszt
format	v	formáz
block	v	el|zár[state] ; blokkol
unsubscribe	v	le|iratkozik[noobj,from=rol]
synchronize	v	szinkronizál
sync	v	szinkronizál
encrypt	v	titkosít
recharge	v	fel|tölt
enable	v	engedélyez ; lehetővé |tesz
disable	v	ki|kapcsol ; letilt
deactivate	v	ki|kapcsol
configure	v	be|állít
customize	v	testre |szab
uninstall	v	el|távolít
# school and university
semester	n	félév[félévek,time=ban]
textbook	n	tankönyv[tankönyvek]
notebook	n	füzet[füzetek,3sg=füzete] ; jegyzetfüzet
eraser	n	radír[radírok,3sg=radírja]
ruler	n	vonalzó[vonalzók] ; uralkodó
mathematics	n	matematika[attr=matematikai]
maths	n	matek[matekok,3sg=matekja,back] ; matematika
geography	n	földrajz[attr=földrajzi]
biology	n	biológia[attr=biológiai]
physics	n	fizika[attr=fizikai]
diploma	n	oklevél[oklevelek,acc=oklevelet,3sg=oklevele,poss=oklevele] ; diploma
classmate	n	osztálytárs[osztálytársak,3sg=osztálytársa,person]
headmaster	n	igazgató[igazgatók,person]
tutor	n	oktató[oktatók,person] ; korrepetitor
graduation	n	diplomaosztó[diplomaosztók] ; ballagás
quiz	n	kvíz[kvízek] ; vetélkedő
thesis	n	szakdolgozat[szakdolgozatok,3sg=szakdolgozata] ; tézis
dissertation	n	disszertáció[disszertációk] ; értekezés
seminar	n	szeminárium[szemináriumok,3sg=szemináriuma,to=ra,at=on]
dormitory	n	kollégium[kollégiumok,3sg=kollégiuma,to=ba,at=ban]
tuition	n	tandíj[tandíjak,3sg=tandíja] ; oktatás
enrolment	n	beiratkozás[beiratkozások]
enrollment	n	beiratkozás[beiratkozások]
kindergarten	n	óvoda[óvodák,to=ba,at=ban]
nursery	n	bölcsőde[bölcsődék,to=ba,at=ban] ; óvoda
curriculum	n	tanterv[tantervek]
syllabus	n	tananyag[tananyagok,3sg=tananyaga] ; tanmenet
grammar	n	nyelvtan[nyelvtanok,attr=nyelvtani]
spelling	n	helyesírás[attr=helyesírási]
pronunciation	n	kiejtés[kiejtések]
revise	v	át|néz ; át|dolgoz
enrol	v	be|iratkozik[noobj,in=ra,on=ra]
enroll	v	be|iratkozik[noobj,in=ra,on=ra]
memorize	v	meg|jegyez ; be|magol
pronounce	v	ki|ejt
# feelings
happiness	n	boldogság
sadness	n	szomorúság
jealousy	n	féltékenység
loneliness	n	magány[3sg=magánya] ; magányosság
grief	n	gyász[3sg=gyásza] ; bánat
gratitude	n	hála
boredom	n	unalom[unalmak,acc=unalmat,3sg=unalma,poss=unalma]
frustration	n	csalódottság ; frusztráció
worry	n	aggodalom[aggodalmak,acc=aggodalmat,3sg=aggodalma,poss=aggodalma] ; gond[gondok,3sg=gondja]
pleased	adj	elégedett[with=val] ; boldog
depressed	adj	levert ; depressziós
stressed	adj	stresszes ; feszült
terrified	adj	rémült
thrilled	adj	boldog ; izgatott
thankful	adj	hálás
hopeful	adj	reménykedő ; bizakodó
relieved	adj	megkönnyebbült
# travel, traffic and the town
baggage	n	poggyász[poggyászok]
hostel	n	szálló[szállók,to=ba,at=ban] ; turistaszálló
check-in	n	bejelentkezés[bejelentkezések] ; utasfelvétel
terminal	n	terminál[terminálok,3sg=terminálja]
boarding	n	beszállás[beszállások]
boarding pass	n	beszállókártya[beszállókártyák]
souvenir	n	emléktárgy[emléktárgyak,3sg=emléktárgya]
resort	n	üdülőhely[üdülőhelyek,to=ra,at=on] ; üdülő
customs	n	vám[vámok,3sg=vámja,on=n] ; vámvizsgálat
customs officer	n	vámtiszt[vámtisztek,3sg=vámtisztje,person]
crossing	n	átkelő[átkelők] ; kereszteződés ; átkelés[átkelések,when=rough/calm/smooth/channel/sea/night/long/short/stormy]
roundabout	n	körforgalom[körforgalmak,acc=körforgalmat,3sg=körforgalma,poss=körforgalma,in=ban]
brake	n	fék[fékek]
brake	v	fékez[noobj]
avenue	n	sugárút[sugárutak,acc=sugárutat,3sg=sugárútja,in=n]
playground	n	játszótér[játszóterek,acc=játszóteret,3sg=játszótere,poss=játszótere,to=ra,at=on,in=n]
sidewalk	n	járda[járdák,on=n]
neighbourhood	n	környék[környékek,in=n] ; szomszédság
neighbourhood watch	n	polgárőrség[polgárőrségek]
lost property	n	talált tárgy
eye test	n	szemvizsgálat[szemvizsgálatok]
community hall	n	közösségi ház[házak]
highlight	n	fénypont[fénypontok]
cracked	adj	repedt ; megrepedt
neighborhood	n	környék[környékek,in=n] ; szomszédság
fare	n	viteldíj[viteldíjak,3sg=viteldíja]
commuter	n	ingázó[ingázók,person]
commute	n	ingázás[ingázások]
runway	n	kifutópálya[kifutópályák,on=n]
cruise	n	hajóút[hajóutak,acc=hajóutat,3sg=hajóútja] ; körutazás
ferry	n	komp[kompok,3sg=kompja,on=n,by=val]
subway	n	metró[metrók,on=n]
underground	n	metró[metrók,on=n]
cab	n	taxi[taxik,in=ban]
motorbike	n	motor[motorok,3sg=motorja,on=n]
motorcycle	n	motor[motorok,3sg=motorja,on=n]
scooter	n	robogó[robogók,on=n]
breakdown	n	meghibásodás[meghibásodások] ; összeomlás
puncture	n	defekt[defektek,3sg=defektje]
mechanic	n	szerelő[szerelők,person] ; autószerelő
campsite	n	kemping[kempingek,3sg=kempingje,to=ba,at=ban]
caravan	n	lakókocsi
itinerary	n	útiterv[útitervek]
excursion	n	kirándulás[kirándulások]
guidebook	n	útikönyv[útikönyvek]
brochure	n	prospektus[prospektusok] ; brosúra
accommodation	n	szállás[szállások]
tourism	n	turizmus[3sg=turizmusa,attr=turisztikai]
pier	n	móló[mólók,on=n]
lighthouse	n	világítótorony[világítótornyok,acc=világítótornyot,3sg=világítótornya,poss=világítótornyo]
hitchhike	v	stoppol[noobj]
# the law and crime
attorney	n	ügyvéd[ügyvédek,3sg=ügyvédje,person]
lawsuit	n	per[perek] ; kereset
verdict	n	ítélet[ítéletek,3sg=ítélete]
prosecutor	n	ügyész[ügyészek,person]
defendant	n	vádlott[vádlottak,3sg=vádlottja,person]
burglar	n	betörő[betörők,person]
shoplifting	n	bolti lopás
vandalism	n	rongálás[rongálások] ; vandalizmus
kidnapping	n	emberrablás[emberrablások]
hostage	n	túsz[túszok,person]
terrorism	n	terrorizmus[3sg=terrorizmusa]
terrorist	n	terrorista[terroristák,person]
bribery	n	megvesztegetés[megvesztegetések]
smuggling	n	csempészet[3sg=csempészete]
scam	n	átverés[átverések] ; csalás
offence	n	bűncselekmény[bűncselekmények] ; sértés
bail	n	óvadék[óvadékok]
custody	n	őrizet[őrizetek,3sg=őrizete] ; felügyeleti jog
handcuffs	n	bilincs[bilincsek]
convict	v	el|ítél[of=ert]
acquit	v	fel|ment
testify	v	tanúskodik[noobj]
interrogate	v	ki|hallgat
smuggle	v	csempész
kidnap	v	el|rabol
burgle	v	ki|rabol
# politics and public life
referendum	n	népszavazás[népszavazások,in=n]
coalition	n	koalíció[koalíciók]
senate	n	szenátus[szenátusok,3sg=szenátusa]
embassy	n	nagykövetség[nagykövetségek,to=ra,at=on]
ambassador	n	nagykövet[nagykövetek,3sg=nagykövete,person]
diplomat	n	diplomata[diplomaták,person]
treaty	n	szerződés[szerződések] ; egyezmény
immigrant	n	bevándorló[bevándorlók,person]
immigration	n	bevándorlás[bevándorlások]
asylum	n	menedékjog[menedékjogok,3sg=menedékjoga]
protester	n	tüntető[tüntetők,person]
riot	n	zavargás[zavargások]
minority	n	kisebbség[kisebbségek]
poll	n	közvélemény-kutatás[közvélemény-kutatások] ; szavazás
census	n	népszámlálás[népszámlálások]
ban	v	be|tilt ; meg|tilt
campaign	v	kampányol[noobj,for=ert]
# sport
basketball	n	kosárlabda[kosárlabdák]
gym	n	edzőterem[edzőtermek,acc=edzőtermet,3sg=edzőterme,poss=edzőterme,to=ba,at=ban]
volleyball	n	röplabda
handball	n	kézilabda
hockey	n	jégkorong[jégkorongok,3sg=jégkorongja]
cycling	n	kerékpározás ; biciklizés
athletics	n	atlétika
trophy	n	trófea[trófeák] ; serleg
semi-final	n	elődöntő[elődöntők,to=ba,at=ban]
quarter-final	n	negyeddöntő[negyeddöntők,to=ba,at=ban]
supporter	n	szurkoló[szurkolók,person] ; támogató
goalkeeper	n	kapus[kapusok,person]
striker	n	csatár[csatárok,person]
defender	n	védő[védők,person]
opponent	n	ellenfél[ellenfelek,acc=ellenfelet,3sg=ellenfele,poss=ellenfele,person]
rival	n	rivális[riválisok,person]
foul	n	szabálytalanság[szabálytalanságok]
win	n	győzelem[győzelmek,acc=győzelmet,3sg=győzelme,poss=győzelme]
workout	n	edzés[edzések]
fitness	n	erőnlét[3sg=erőnléte] ; fitnesz
jogging	n	kocogás
yoga	n	jóga
jog	v	kocog[noobj]
train	v	edz[noobj,for=ra] ; képez ; tanít
tackle	v	kezel ; meg|old
# news and public life: the abstract nouns of any article
status	n	állapot[állapotok,3sg=állapota] ; státusz
means	n	eszköz[eszközök] ; mód
plastic	adj	műanyag
actress	n	színésznő[színésznők,person]
accomplishment	n	teljesítmény[teljesítmények] ; eredmény
airplane	n	repülőgép[repülőgépek]
architect	n	építész[építészek,person]
procedure	n	eljárás[eljárások]
publication	n	kiadvány[kiadványok] ; megjelenés
publisher	n	kiadó[kiadók]
manufacturer	n	gyártó[gyártók]
revolution	n	forradalom[forradalmak,acc=forradalmat,3sg=forradalma,poss=forradalma]
suspicion	n	gyanú[gyanúk]
welfare	n	jólét[front,3sg=jóléte] ; szociális segély
lack	n	hiány[hiányok]
obligation	n	kötelezettség[kötelezettségek] ; kötelesség
obstacle	n	akadály[akadályok]
perspective	n	nézőpont[nézőpontok,3sg=nézőpontja]
personality	n	személyiség[személyiségek]
privilege	n	kiváltság[kiváltságok]
probability	n	valószínűség[valószínűségek]
prosperity	n	jólét[front,3sg=jóléte]
province	n	tartomány[tartományok]
rebellion	n	lázadás[lázadások]
remark	n	megjegyzés[megjegyzések]
reminder	n	emlékeztető[emlékeztetők]
restriction	n	korlátozás[korlátozások]
reunion	n	találkozó[találkozók,to=ra,at=n]
revenge	n	bosszú[bosszúk]
rumor	n	pletyka[pletykák] ; szóbeszéd
scenery	n	táj[tájak,3sg=tája] ; díszlet
scholar	n	tudós[tudósok,person]
spectator	n	néző[nézők,person]
surroundings	n	környezet[környezetek,3sg=környezete]
territory	n	terület[területek] ; felségterület
terror	n	rettegés
thirst	n	szomjúság
tale	n	mese[mesék] ; történet
urgency	n	sürgősség
usage	n	használat[használatok,3sg=használata]
villain	n	gonosz[gonoszok,person] ; gazember
voyage	n	utazás[utazások]
warfare	n	hadviselés
wreck	n	roncs[roncsok]
catastrophe	n	katasztrófa[katasztrófák]
certainty	n	bizonyosság
clarity	n	világosság ; érthetőség
clue	n	nyom[nyomok,3sg=nyoma] ; támpont
compassion	n	együttérzés
consent	n	beleegyezés ; hozzájárulás
conservation	n	természetvédelem[természetvédelmek,acc=természetvédelmet,3sg=természetvédelme,poss=természetvédelme,sup=természetvédelmen] ; megőrzés
consultation	n	konzultáció[konzultációk] ; tanácskozás
contradiction	n	ellentmondás[ellentmondások]
convenience	n	kényelem[kényelmek,acc=kényelmet,3sg=kényelme,poss=kényelme]
cooperation	n	együttműködés[együttműködések]
coordination	n	összehangolás ; koordináció
correspondent	n	tudósító[tudósítók,person]
coverage	n	tudósítás[tudósítások] ; lefedettség
creator	n	alkotó[alkotók,person] ; teremtő
criterion	n	kritérium[kritériumok,3sg=kritériuma] ; szempont
destiny	n	sors[sorsok,acc=sorsot,3sg=sorsa]
diagram	n	ábra[ábrák]
dignity	n	méltóság
diplomacy	n	diplomácia
discrimination	n	megkülönböztetés ; diszkrimináció
disgrace	n	szégyen[szégyenek,3sg=szégyene]
distrust	n	bizalmatlanság
effectiveness	n	hatékonyság
encouragement	n	bátorítás
engineering	n	mérnöki munka ; műszaki tudomány
evaluation	n	értékelés[értékelések]
exaggeration	n	túlzás[túlzások]
extent	n	mérték[mértékek] ; kiterjedés
feedback	n	visszajelzés[visszajelzések]
flexibility	n	rugalmasság
fragment	n	töredék[töredékek]
framework	n	keret[keretek,3sg=kerete]
freight	n	teher ; rakomány[rakományok]
gear	n	sebesség[sebességek] ; felszerelés
generator	n	generátor[generátorok]
hardship	n	nehézség[nehézségek] ; nélkülözés
humanity	n	emberiség ; emberség
hypothesis	n	hipotézis[hipotézisek] ; feltevés
identification	n	azonosítás[azonosítások] ; igazolvány
impatience	n	türelmetlenség
implementation	n	megvalósítás ; végrehajtás
incentive	n	ösztönző ; ösztönzés
innovation	n	innováció[innovációk] ; újítás
inspiration	n	ihlet[ihletek,3sg=ihlete] ; inspiráció
instance	n	eset[esetek,3sg=esete] ; példa
insult	n	sértés[sértések]
integrity	n	tisztesség ; sértetlenség
intelligence	n	intelligencia ; hírszerzés
intensity	n	intenzitás ; erősség
interior	n	belső tér
interpreter	n	tolmács[tolmácsok,person]
interruption	n	megszakítás[megszakítások] ; félbeszakítás
intersection	n	kereszteződés[kereszteződések,at=nal]
intuition	n	megérzés[megérzések] ; intuíció
invasion	n	invázió[inváziók] ; betörés
irony	n	irónia
junk	n	kacat[kacatok,3sg=kacatja]
landing	n	leszállás[leszállások] ; lépcsőforduló
landmark	n	nevezetesség[nevezetességek] ; tájékozódási pont
landslide	n	földcsuszamlás[földcsuszamlások] ; elsöprő győzelem[when=win]
lane	n	sáv[sávok,3sg=sávja,in=ban] ; ösvény
lecturer	n	előadó[előadók,person] ; oktató
legislation	n	jogszabály[jogszabályok] ; törvényhozás
leisure	n	szabadidő[szabadidők,3sg=szabadideje]
lover	n	szerető[szeretők,person] ; kedvelő
machinery	n	gép[gépek] ; gépezet[gépezetek,3sg=gépezete]
magic	n	varázslat[varázslatok,3sg=varázslata] ; mágia
masterpiece	n	remekmű[remekművek,acc=remekművet,3sg=remekműve]
miracle	n	csoda[csodák]
misfortune	n	szerencsétlenség[szerencsétlenségek] ; balszerencse
missile	n	rakéta[rakéták]
mist	n	köd[ködök,3sg=köde] ; pára
mob	n	tömeg[tömegek]
monopoly	n	monopólium[monopóliumok,3sg=monopóliuma]
motive	n	indíték[indítékok] ; motiváció
necessity	n	szükség[szükségek] ; szükségesség
nickname	n	becenév[becenevek,acc=becenevet,3sg=beceneve,poss=beceneve]
objective	n	cél[célok,3sg=célja] ; célkitűzés
orchestra	n	zenekar[zenekarok,3sg=zenekara]
outlook	n	kilátás[kilátások] ; szemlélet
ownership	n	tulajdonjog ; tulajdon
panel	n	testület[testületek,3sg=testülete] ; panel
patent	n	szabadalom[szabadalmak,acc=szabadalmat,3sg=szabadalma,poss=szabadalma]
perfume	n	parfüm[parfümök,3sg=parfümje,pp=parfümjei]
philosopher	n	filozófus[filozófusok,person]
pirate	n	kalóz[kalózok,person]
poetry	n	költészet[3sg=költészete]
possession	n	birtok[birtokok,3sg=birtoka] ; tulajdon
preference	n	előnyben részesítés ; kedvelés
pursuit	n	üldözés ; törekvés
quarrel	n	veszekedés[veszekedések] ; vita
recording	n	felvétel[felvételek]
refusal	n	elutasítás[elutasítások]
regime	n	rendszer[rendszerek]
rehabilitation	n	rehabilitáció ; rehabilitálás
rejection	n	elutasítás[elutasítások]
romance	n	románc[románcok] ; szerelem
simplicity	n	egyszerűség
slavery	n	rabszolgaság
squad	n	keret[keretek] ; osztag[osztagok,when=police/bomb/firing/death/riot/special/drug/flying/assault]
stack	n	halom[halmok,acc=halmot,3sg=halma,poss=halmo] ; rakás
surplus	n	többlet[többletek,3sg=többlete]
suspense	n	feszültség
tailor	n	szabó[szabók,person]
tape	n	szalag[szalagok,3sg=szalagja]
tide	n	árapály ; dagály
transportation	n	közlekedés ; szállítás
vessel	n	hajó[hajók] ; edény
virtue	n	erény[erények]
wit	n	szellemesség
# adjectives of any article, manual or story
suitable	adj	megfelelő ; alkalmas
clockwise	adv	az óramutató járásával megegyező irányba
anticlockwise	adv	az óramutató járásával ellentétes irányba
counterclockwise	adv	az óramutató járásával ellentétes irányba
specific	adj	konkrét ; meghatározott ; különleges
scientific	adj	tudományos
aggressive	adj	agresszív
remarkable	adj	figyelemre méltó ; rendkívüli
tremendous	adj	óriási ; hatalmas
uncertain	adj	bizonytalan
uncomfortable	adj	kényelmetlen ; kellemetlen
mysterious	adj	titokzatos ; rejtélyes
precious	adj	értékes ; drága
precise	adj	pontos
promising	adj	ígéretes
realistic	adj	reális ; valósághű
regional	adj	regionális ; területi
ridiculous	adj	nevetséges
sophisticated	adj	kifinomult ; bonyolult
spectacular	adj	látványos
straightforward	adj	egyszerű ; egyenes
substantial	adj	jelentős ; lényeges
thorough	adj	alapos
tragic	adj	tragikus
transparent	adj	átlátszó ; átlátható
widespread	adj	elterjedt ; széles körű
worthy	adj	méltó ; érdemes
annoying	adj	idegesítő ; bosszantó
cautious	adj	óvatos
classical	adj	klasszikus
colourful	adj	színes
colorful	adj	színes
confusing	adj	zavaró[zavaróak] ; zavaros ; zavarba ejtő
continuous	adj	folyamatos ; folytonos
corporate	adj	vállalati ; céges
defective	adj	hibás
diverse	adj	változatos ; sokféle
embarrassing	adj	kínos
evident	adj	nyilvánvaló
handy	adj	hasznos ; praktikus ; kéznél
harsh	adj	durva ; kemény ; szigorú
hostile	adj	ellenséges
irregular	adj	szabálytalan ; rendhagyó
occasional	adj	alkalmi ; időnkénti
outstanding	adj	kiemelkedő ; kiváló
partial	adj	részleges
passive	adj	passzív
persistent	adj	kitartó ; tartós
# adverbs of comment, manner and degree
absolutely	adv	teljesen ; abszolút
approximately	adv	körülbelül ; megközelítőleg
accidentally	adv	véletlenül
angrily	adv	dühösen
consequently	adv	ezért ; következésképpen
desperately	adv	kétségbeesetten
literally	adv	szó szerint ; szinte
nervously	adv	idegesen
officially	adv	hivatalosan
originally	adv	eredetileg
privately	adv	négyszemközt ; magánemberként
reasonably	adv	elég ; viszonylag
secretly	adv	titokban
significantly	adv	jelentősen
somehow	adv	valahogy
somewhat	adv	némileg ; valamelyest
strictly	adv	szigorúan
surprisingly	adv	meglepően ; meglepő módon
technically	adv	technikailag ; gyakorlatilag
thus	adv	így ; ezért
unexpectedly	adv	váratlanul
virtually	adv	gyakorlatilag ; szinte
afterwards	adv	utána ; később
# verbs of any article, manual or story
repay	v	vissza|fizet
verify	v	igazol ; meg|néz
uncover	v	fel|tár ; le|leplez
conceal	v	el|rejt ; el|titkol
deceive	v	meg|téveszt ; be|csap
diagnose	v	diagnosztizál ; meg|állapít
differ	v	különbözik[noobj,from=tol] ; eltér[noobj,from=tol]
disclose	v	nyilvánosságra |hoz ; fel|fed
disrupt	v	meg|zavar ; akadályoz
emphasize	v	hangsúlyoz
emphasise	v	hangsúlyoz
enhance	v	javít ; fokoz
expire	v	le|jár[noobj]
hesitate	v	habozik[noobj] ; tétovázik[noobj]
imitate	v	utánoz
inject	v	be|fecskendez
interfere	v	bele|avatkozik[noobj,in=ba,with=ba] ; zavar
invade	v	meg|száll ; be|tör[obj=ba]
irritate	v	bosszant ; irritál
merge	v	egyesít ; össze|olvad
modify	v	módosít
mourn	v	gyászol
mutter	v	motyog ; dünnyög
# Words of notices, forms and recipes whose FreeDict forms hunspell-hu rejects ("kérdőívöt",
# "vezetéknévedet", "Hámld"): the ninth development corpus needs their curated forms.
surname	n	vezetéknév[vezetéknevek]
cleaning	n	takarítás
# --- everyday words of any page, by topic (ninth round)
# offices and meetings
conference call	n	konferenciahívás[konferenciahívások]
video call	n	videohívás[videohívások]
inbox	n	postafiók[postafiókok,3sg=postafiókja] ; beérkező levelek
whiteboard	n	tábla[táblák,on=n]
projector	n	projektor[projektorok,3sg=projektora]
photocopier	n	fénymásoló[fénymásolók]
photocopy	n	fénymásolat[fénymásolatok,3sg=fénymásolata]
photocopy	v	le|fénymásol ; fénymásol
paperwork	n	papírmunka ; adminisztráció
workload	n	munkaterhelés ; munkamennyiség
workplace	n	munkahely[munkahelyek,3sg=munkahelye,at=n,to=ra]
coworker	n	munkatárs[munkatársak,person] ; kolléga
chairwoman	n	elnök[elnökök,person] ; elnöknő
briefing	n	eligazítás[eligazítások] ; tájékoztató
handout	n	kiosztott anyag ; segédanyag
stapler	n	tűzőgép[tűzőgépek]
memo	n	feljegyzés[feljegyzések] ; körlevél[körlevelek,acc=körlevelet,3sg=körlevele,poss=körlevele]
supervisor	n	felettes[felettesek,person] ; felügyelő
intern	n	gyakornok[gyakornokok,person]
internship	n	szakmai gyakorlat
staple	v	össze|tűz
supervise	v	felügyel[obj=ra] ; irányít
summarize	v	össze|foglal
chair	v	elnököl[noobj,obj=n]
# jobs and hiring
cv	n	önéletrajz[önéletrajzok,3sg=önéletrajza]
cover letter	n	motivációs levél
interviewer	n	kérdező[kérdezők,person] ; interjúztató
recruiter	n	toborzó[toborzók,person] ; fejvadász
recruitment	n	toborzás ; munkaerő-felvétel
contractor	n	vállalkozó[vállalkozók,person] ; alvállalkozó
freelancer	n	szabadúszó[szabadúszók,person]
job seeker	n	álláskereső[álláskeresők,person]
teamwork	n	csapatmunka
appraisal	n	értékelés[értékelések]
bonus	n	prémium[prémiumok,3sg=prémiuma] ; bónusz
pay rise	n	fizetésemelés[fizetésemelések]
payslip	n	bérpapír[bérpapírok,3sg=bérpapírja,pp=bérpapírjai] ; fizetési jegyzék
payroll	n	bérszámfejtés ; bérlista
sick leave	n	betegszabadság[betegszabadságok] ; táppénz[táppénzek,front]
maternity leave	n	szülési szabadság
annual leave	n	éves szabadság ; szabadság
day off	n	szabadnap[szabadnapok,3sg=szabadnapja]
dismissal	n	elbocsátás[elbocsátások]
redundancy	n	leépítés[leépítések] ; elbocsátás
probation	n	próbaidő[próbaidők,3sg=próbaideje]
trade union	n	szakszervezet[szakszervezetek,3sg=szakszervezete]
file	v	be|nyújt ; iktat ; le|fűz
brief	v	tájékoztat[on=rol] ; el|igazít
# banking and money
account number	n	számlaszám[számlaszámok,3sg=számlaszáma]
account holder	n	számlatulajdonos[számlatulajdonosok,person]
current account	n	folyószámla[folyószámlák]
savings account	n	megtakarítási számla
credit card	n	hitelkártya[hitelkártyák,by=val]
debit card	n	bankkártya[bankkártyák]
banknote	n	bankjegy[bankjegyek,3sg=bankjegye]
cheque	n	csekk[csekkek,3sg=csekkje,pp=csekkjei,by=val]
bank transfer	n	banki átutalás[by=val] ; átutalás
direct debit	n	csoportos beszedés
standing order	n	állandó átutalás
online banking	n	netbank[netbankok,3sg=netbankja,pp=netbankjai] ; internetbank[internetbankok,3sg=internetbankja,pp=internetbankjai]
security code	n	biztonsági kód
credit score	n	hitelképesség
cashback	n	pénzvisszatérítés[pénzvisszatérítések,front]
lender	n	hitelező[hitelezők,person]
creditor	n	hitelező[hitelezők,person]
borrower	n	hitelfelvevő[hitelfelvevők,person] ; adós
broker	n	bróker[brókerek,person] ; alkusz
dividend	n	osztalék[osztalékok,3sg=osztaléka]
repayment	n	törlesztés[törlesztések] ; visszafizetés
overdraft	n	folyószámlahitel ; hitelkeret
exchange rate	n	árfolyam[árfolyamok,3sg=árfolyama]
taxpayer	n	adófizető[adófizetők,person]
recession	n	recesszió[recessziók] ; visszaesés
charge	n	díj[díjak,3sg=díja] ; vád[vádak,3sg=vádja] ; vád[vádak,3sg=vádja,when=face/deny/drop/bring/file/press/admit/dismiss/criminal/murder/corruption/fraud/assault/terrorism/serious/false/similar]
cash	v	be|vált
budget	v	tervez ; be|oszt
overspend	v	túlköltekezik[noobj]
compensate	v	kárpótol ; kompenzál
broke	adj	leégett ; csóró
taxable	adj	adóköteles
overdue	adj	lejárt ; késedelmes
refundable	adj	visszatéríthető
non-refundable	adj	vissza nem téríthető
# insurance
insurer	n	biztosító[biztosítók]
insurance policy	n	biztosítási kötvény ; kötvény
car insurance	n	gépjármű-biztosítás ; autóbiztosítás
health insurance	n	egészségbiztosítás[egészségbiztosítások]
travel insurance	n	utasbiztosítás[utasbiztosítások]
life insurance	n	életbiztosítás[életbiztosítások]
home insurance	n	lakásbiztosítás[lakásbiztosítások]
policyholder	n	biztosított[biztosítottak,3sg=biztosítottja,person] ; szerződő
beneficiary	n	kedvezményezett[kedvezményezettek,person]
premium	n	díj[díjak,3sg=díja] ; biztosítási díj ; prémium
liability	n	felelősség[felelősségek] ; kötelezettség
insured	adj	biztosított
uninsured	adj	biztosítatlan ; biztosítás nélküli
# crime, the police and the courts
crime scene	n	tetthely[tetthelyek,3sg=tetthelye,at=n]
fingerprint	n	ujjlenyomat[ujjlenyomatok,3sg=ujjlenyomata]
killer	n	gyilkos[gyilkosok,person]
murderer	n	gyilkos[gyilkosok,person]
robber	n	rabló[rablók,person]
pickpocket	n	zsebtolvaj[zsebtolvajok,acc=zsebtolvajt,person]
fraudster	n	csaló[csalók,person]
smuggler	n	csempész[csempészek,person]
police officer	n	rendőr[rendőrök,person]
policeman	n	rendőr[rendőrök,person]
policewoman	n	rendőrnő[rendőrnők,person] ; rendőr
plaintiff	n	felperes[felperesek,person]
warrant	n	elfogatóparancs[elfogatóparancsok] ; házkutatási parancs
shooting	n	lövöldözés[lövöldözések]
stabbing	n	késelés[késelések]
life sentence	n	életfogytiglani büntetés
community service	n	közmunka[közmunkák] ; közérdekű munka
parole	n	feltételes szabadlábra helyezés ; feltételes szabadság
guardian	n	gyám[gyámok,3sg=gyámja,pp=gyámjai,person] ; gondviselő
solicitor	n	ügyvéd[ügyvédek,person]
notary	n	közjegyző[közjegyzők,person]
heir	n	örökös[örökösök,person]
inheritance	n	örökség[örökségek]
imprison	v	be|börtönöz
jail	v	be|börtönöz
sue	v	be|perel[for=ert]
inherit	v	örököl ; meg|örököl
blackmail	v	meg|zsarol ; zsarol
stab	v	meg|szúr ; le|szúr
break in	v	be|tör[noobj]
armed	adj	fegyveres
unarmed	adj	fegyvertelen
lawful	adj	törvényes ; jogszerű
unlawful	adj	jogellenes ; törvénytelen
confidential	adj	bizalmas ; titkos
void	adj	érvénytelen ; semmis
# contracts and the paperwork of everyday life
clause	n	kikötés[kikötések] ; záradék[záradékok,3sg=záradéka]
small print	n	apró betűs rész
tenancy	n	bérlet[bérletek,3sg=bérlete] ; bérleti jogviszony
landlady	n	főbérlő[főbérlők,person] ; háziasszony
birth certificate	n	születési anyakönyvi kivonat ; születési igazolás
identity card	n	személyi igazolvány ; személyi
id card	n	személyi igazolvány ; személyi
driver's license	n	jogosítvány[jogosítványok]
terminate	v	fel|mond ; meg|szüntet
comply	v	meg|felel[noobj,with=nak] ; be|tart
entitle	v	fel|jogosít[to=ra]
# housing and repairs
flatmate	n	lakótárs[lakótársak,person]
roommate	n	szobatárs[szobatársak,person] ; lakótárs[lakótársak,person]
housemate	n	lakótárs[lakótársak,person]
estate agent	n	ingatlanügynök[ingatlanügynökök,person]
real estate agent	n	ingatlanügynök[ingatlanügynökök,person]
electricity bill	n	villanyszámla[villanyszámlák]
gas bill	n	gázszámla[gázszámlák]
water bill	n	vízszámla[vízszámlák]
central heating	n	központi fűtés
insulation	n	szigetelés[szigetelések]
mould	n	penész[penészek,3sg=penésze]
fuse box	n	biztosítékdoboz[biztosítékdobozok]
circuit	n	áramkör[áramkörök,3sg=áramköre] ; kör
light bulb	n	villanykörte[villanykörték] ; izzó
bathtub	n	kád[kádak,3sg=kádja,in=ban]
faucet	n	csap[csapok,3sg=csapja]
gutter	n	ereszcsatorna[ereszcsatornák] ; csatorna
windowsill	n	ablakpárkány[ablakpárkányok,on=n]
hinge	n	zsanér[zsanérok,3sg=zsanérja] ; sarokpánt
doorknob	n	kilincs[kilincsek,3sg=kilincse]
spare key	n	pótkulcs[pótkulcsok,3sg=pótkulcsa]
spanner	n	csavarkulcs[csavarkulcsok,3sg=csavarkulcsa]
wrench	n	csavarkulcs[csavarkulcsok,3sg=csavarkulcsa]
toolbox	n	szerszámosláda[szerszámosládák]
tape measure	n	mérőszalag[mérőszalagok,3sg=mérőszalagja]
builder	n	építőmunkás[építőmunkások,person] ; kőműves
handyman	n	ezermester[ezermesterek,person] ; karbantartó
decorator	n	festő[festők,person] ; szobafestő
locksmith	n	lakatos[lakatosok,person]
quote	n	árajánlat[árajánlatok,3sg=árajánlata] ; idézet[idézetek,3sg=idézete]
renovate	v	fel|újít
screw	v	be|csavar ; csavar
unscrew	v	ki|csavar
unblock	v	ki|tisztít ; ki|dugít
recycle	v	újrahasznosít ; szelektíven gyűjt
move in	v	be|költözik[noobj,to=ba]
move out	v	ki|költözik[noobj,of=bol]
rent out	v	ki|ad ; bérbe |ad
tidy up	v	rendet |rak[noobj] ; el|pakol
throw out	v	ki|dob
furnished	adj	bútorozott
unfurnished	adj	bútorozatlan
spacious	adj	tágas
cosy	adj	hangulatos ; otthonos
cozy	adj	hangulatos ; otthonos
faulty	adj	hibás
leaky	adj	lyukas ; szivárgó
shabby	adj	kopott ; ütött-kopott
# cars and driving
back seat	n	hátsó ülés
passenger seat	n	anyósülés[anyósülések]
seatbelt	n	biztonsági öv
steering wheel	n	kormány[kormányok,3sg=kormánya] ; kormánykerék[kormánykerekek,acc=kormánykereket,3sg=kormánykereke,poss=kormánykereke]
flat tyre	n	defekt[defektek,3sg=defektje] ; lapos gumi
flat tire	n	defekt[defektek,3sg=defektje] ; lapos gumi
spare tyre	n	pótkerék[pótkerekek,acc=pótkereket,3sg=pótkereke,poss=pótkereke]
gearbox	n	sebességváltó[sebességváltók]
bonnet	n	motorháztető[motorháztetők]
trunk	n	csomagtartó[csomagtartók,in=ban]
windscreen	n	szélvédő[szélvédők]
windshield	n	szélvédő[szélvédők]
wiper	n	ablaktörlő[ablaktörlők]
windscreen wiper	n	ablaktörlő[ablaktörlők]
headlight	n	fényszóró[fényszórók]
bumper	n	lökhárító[lökhárítók]
rear-view mirror	n	visszapillantó tükör
number plate	n	rendszámtábla[rendszámtáblák] ; rendszám
license plate	n	rendszámtábla[rendszámtáblák] ; rendszám
gasoline	n	benzin[benzinek,3sg=benzinje]
filling station	n	benzinkút[benzinkutak,acc=benzinkutat,3sg=benzinkútja,at=nal]
charging station	n	töltőállomás[töltőállomások]
electric car	n	elektromos autó ; villanyautó
tow truck	n	autómentő[autómentők]
junction	n	csomópont[csomópontok,3sg=csomópontja] ; kereszteződés
traffic lights	n	közlekedési lámpa ; lámpa
speed camera	n	sebességmérő[sebességmérők]
speeding	n	gyorshajtás[gyorshajtások]
speeding ticket	n	gyorshajtási bírság
parking space	n	parkolóhely[parkolóhelyek,acc=parkolóhelyet,3sg=parkolóhelye]
parking lot	n	parkoló[parkolók,in=ban]
parking meter	n	parkolóóra[parkolóórák]
parking ticket	n	parkolójegy[parkolójegyek,3sg=parkolójegye] ; parkolási bírság
vignette	n	matrica[matricák] ; autópálya-matrica
detour	n	kerülő[kerülők] ; terelés
roadworks	n	útépítés[útépítések] ; útfelújítás
pothole	n	kátyú[kátyúk]
collision	n	ütközés[ütközések]
overtaking	n	előzés[előzések]
driving lesson	n	vezetési óra
driving test	n	forgalmi vizsga ; jogosítványvizsga
driving instructor	n	oktató[oktatók,person] ; autósoktató
learner driver	n	tanuló vezető
sat nav	n	navigáció[navigációk]
satnav	n	navigáció[navigációk]
refuel	v	tankol[noobj]
fill up	v	meg|tölt ; tele|tölt ; tankol
tow	v	el|vontat ; vontat
skid	v	meg|csúszik[noobj]
swerve	v	ki|tér[noobj] ; félre|rántja a kormányt
pull over	v	félre|áll[noobj] ; le|húzódik
speed up	v	gyorsít[noobj] ; fel|gyorsít
one-way	adj	egyirányú
two-way	adj	kétirányú
hybrid	adj	hibrid
second-hand	adj	használt
# the doctor and the hospital
gp	n	háziorvos[háziorvosok,person]
general practitioner	n	háziorvos[háziorvosok,person]
family doctor	n	háziorvos[háziorvosok,person]
paramedic	n	mentős[mentősök,person]
midwife	n	szülésznő[szülésznők,person] ; bába
physiotherapist	n	gyógytornász[gyógytornászok,person]
physiotherapy	n	gyógytorna ; fizikoterápia
emergency room	n	sürgősségi osztály[in=n,to=ra,at=n]
emergency department	n	sürgősségi osztály[in=n,to=ra,at=n]
reading room	n	olvasóterem[olvasótermek,acc=olvasótermet,3sg=olvasóterme,poss=olvasóterme,in=ban]
sleeping bag	n	hálózsák[hálózsákok,3sg=hálózsákja,pp=hálózsákjai]
visiting hours	n	látogatási idő
help desk	n	ügyfélszolgálat[ügyfélszolgálatok]
ticket office	n	jegypénztár[jegypénztárak,at=ban,in=ban]
final exam	n	záróvizsga[záróvizsgák]
waiting room	n	váróterem[várótermek,acc=várótermet,3sg=váróterme,poss=váróterme,in=ban] ; váró
skating rink	n	korcsolyapálya
ice rink	n	jégpálya
rink	n	jégpálya
waiting list	n	várólista[várólisták,on=n]
check-up	n	kivizsgálás[kivizsgálások] ; ellenőrzés
checkup	n	kivizsgálás[kivizsgálások] ; ellenőrzés
blood test	n	vérvizsgálat[vérvizsgálatok,3sg=vérvizsgálata] ; vérvétel
blood sample	n	vérminta[vérminták]
blood pressure	n	vérnyomás[vérnyomások]
heartbeat	n	szívverés[szívverések]
x-ray	n	röntgen[röntgenek,3sg=röntgenje] ; röntgenfelvétel
ultrasound	n	ultrahang[ultrahangok,3sg=ultrahangja]
scan	n	vizsgálat[vizsgálatok,3sg=vizsgálata] ; felvétel
diagnosis	n	diagnózis[diagnózisok]
referral	n	beutaló[beutalók]
stretcher	n	hordágy[hordágyak,3sg=hordágya,on=n]
wheelchair	n	kerekesszék[kerekesszékek,3sg=kerekesszéke,in=ban]
crutch	n	mankó[mankók]
plaster	n	sebtapasz[sebtapaszok] ; gipsz ; vakolat
injection	n	injekció[injekciók] ; oltás
jab	n	oltás[oltások] ; szúrás
fracture	n	törés[törések] ; csonttörés
sprain	n	rándulás[rándulások] ; ficam
rash	n	kiütés[kiütések]
backache	n	hátfájás[hátfájások]
earache	n	fülfájás[fülfájások]
stomachache	n	gyomorfájás[gyomorfájások] ; hasfájás
stomach ache	n	gyomorfájás[gyomorfájások] ; hasfájás
heart attack	n	szívroham[szívrohamok,3sg=szívrohama] ; infarktus
asthma	n	asztma
cancer	n	rák[rákok,3sg=rákja]
insomnia	n	álmatlanság
nausea	n	hányinger
dizziness	n	szédülés
vomiting	n	hányás
diarrhoea	n	hasmenés
diarrhea	n	hasmenés
constipation	n	székrekedés
bacteria	n	baktérium[baktériumok,3sg=baktériuma]
pregnancy	n	terhesség[terhességek] ; várandósság
breastfeeding	n	szoptatás
healthcare	n	egészségügy[egészségügyek] ; egészségügyi ellátás
sprain	v	ki|ficamít ; meg|rándít
vaccinate	v	be|olt ; olt
vomit	v	hány[noobj]
itch	v	viszket[noobj]
digest	v	meg|emészt ; emészt
allergic	adj	allergiás[to=ra]
chronic	adj	krónikus ; idült
contagious	adj	fertőző ; ragályos
dizzy	adj	kábult ; szédülő
drowsy	adj	álmos ; kába
itchy	adj	viszkető
swollen	adj	dagadt ; duzzadt
painless	adj	fájdalommentes
unwell	adj	rosszul[van]
unhealthy	adj	egészségtelen
overweight	adj	túlsúlyos
underweight	adj	sovány ; alultáplált
oral	adj	szóbeli ; szájon át szedhető
# medicines and their leaflets
leaf	n	levél[levelek,3sg=levele] ; lap[lapok,3sg=lapja]
leaflet	n	szórólap[szórólapok,3sg=szórólapja] ; tájékoztató
package leaflet	n	betegtájékoztató[betegtájékoztatók]
active ingredient	n	hatóanyag[hatóanyagok,3sg=hatóanyaga]
side effect	n	mellékhatás[mellékhatások]
dosage	n	adagolás[adagolások]
capsule	n	kapszula[kapszulák]
syrup	n	szirup[szirupok,3sg=szirupja]
ointment	n	kenőcs[kenőcsök]
painkiller	n	fájdalomcsillapító[fájdalomcsillapítók]
overdose	n	túladagolás[túladagolások]
overdose	v	túladagol
# food labels and nutrition
nutrition	n	táplálkozás
nutrient	n	tápanyag[tápanyagok,3sg=tápanyaga]
carbohydrate	n	szénhidrát[szénhidrátok,3sg=szénhidrátja]
saturated fat	n	telített zsír ; telített zsírsav
fibre	n	rost[rostok,3sg=rostja] ; élelmi rost
fiber	n	rost[rostok,3sg=rostja] ; élelmi rost
mineral	n	ásványi anyag ; ásvány
calcium	n	kalcium[3sg=kalciuma]
sodium	n	nátrium[3sg=nátriuma]
lactose	n	laktóz
additive	n	adalékanyag[adalékanyagok,3sg=adalékanyaga]
preservative	n	tartósítószer[tartósítószerek]
colouring	n	színezék[színezékek]
flavouring	n	aroma[aromák] ; ízesítő
sweetener	n	édesítőszer[édesítőszerek]
net weight	n	nettó tömeg
best-before date	n	minőségmegőrzési idő
use-by date	n	fogyaszthatósági idő ; lejárati idő
sell-by date	n	lejárati idő
whole grain	n	teljes kiőrlésű gabona
wheat	n	búza[búzák]
soya	n	szója
soy	n	szója
gum	n	rágógumi[rágógumik] ; íny
gluten-free	adj	gluténmentes
sugar-free	adj	cukormentes
fat-free	adj	zsírmentes
low-fat	adj	zsírszegény ; alacsony zsírtartalmú
dairy-free	adj	tejmentes
lactose-free	adj	laktózmentes
nutritious	adj	tápláló
edible	adj	ehető
home-made	adj	házi ; házi készítésű
wholegrain	adj	teljes kiőrlésű
wholemeal	adj	teljes kiőrlésű
refrigerated	adj	hűtött
defrost	v	ki|olvaszt
reheat	v	fel|melegít ; újra|melegít
# the body
eyelash	n	szempilla[szempillák,pair]
eyelid	n	szemhéj[szemhéjak,3sg=szemhéja,pair]
nostril	n	orrlyuk[orrlyukak,3sg=orrlyuka,pair]
moustache	n	bajusz[bajuszok,3sg=bajusza]
mustache	n	bajusz[bajuszok,3sg=bajusza]
freckle	n	szeplő[szeplők]
fingernail	n	köröm[körmök,acc=körmöt,3sg=körme,poss=körmö]
heel	n	sarok[sarkak,acc=sarkat,3sg=sarka,poss=sarka]
thigh	n	comb[combok,3sg=combja]
waist	n	derék[derekak,acc=derekat,3sg=dereka,poss=dereka]
rib	n	borda[bordák]
spine	n	gerinc[gerincek,3sg=gerince]
skull	n	koponya[koponyák]
limb	n	végtag[végtagok,3sg=végtagja]
# schools and exams
headteacher	n	igazgató[igazgatók,person]
head teacher	n	igazgató[igazgatók,person]
secondary school	n	középiskola[középiskolák,to=ba,at=ban]
high school	n	középiskola[középiskolák,to=ba,at=ban] ; gimnázium
private school	n	magániskola[magániskolák]
state school	n	állami iskola
boarding school	n	bentlakásos iskola ; kollégium
exercise book	n	füzet[füzetek,3sg=füzete]
pencil case	n	tolltartó[tolltartók]
schoolbag	n	iskolatáska[iskolatáskák]
calculator	n	számológép[számológépek]
rubber	n	radír[radírok,3sg=radírja] ; gumi
locker	n	szekrény[szekrények] ; csomagmegőrző
report card	n	bizonyítvány[bizonyítványok]
school report	n	bizonyítvány[bizonyítványok]
exam result	n	vizsgaeredmény[vizsgaeredmények,3sg=vizsgaeredménye]
resit	n	pótvizsga[pótvizsgák]
retake	n	pótvizsga[pótvizsgák]
resit	v	újra |vizsgázik[noobj] ; pótvizsgázik
retake	v	meg|ismétel ; újra |vizsgázik
cheating	n	puskázás ; csalás
plagiarism	n	plágium[plágiumok,3sg=plágiuma]
detention	n	büntetés ; őrizetbe vétel
parents' evening	n	szülői értekezlet ; fogadóóra
school trip	n	osztálykirándulás[osztálykirándulások]
field trip	n	tanulmányi kirándulás ; terepgyakorlat
library card	n	olvasójegy[olvasójegyek,3sg=olvasójegye] ; könyvtári kártya
compulsory	adj	kötelező
mandatory	adj	kötelező
optional	adj	választható ; nem kötelező
elective	adj	választható ; fakultatív
incorrect	adj	helytelen ; hibás
# universities
campus	n	egyetem[egyetemek,3sg=egyeteme,at=n,in=n,to=ba]
faculty	n	kar[karok,3sg=kara] ; oktatói kar
dean	n	dékán[dékánok,3sg=dékánja,pp=dékánjai,person]
lecture hall	n	előadóterem[előadótermek,acc=előadótermet,3sg=előadóterme,poss=előadóterme,in=ban]
tutorial	n	szeminárium[szemináriumok,3sg=szemináriuma] ; útmutató
module	n	modul[modulok,3sg=modulja] ; tantárgy[tantárgyak,3sg=tantárgya]
dorm	n	kollégium[kollégiumok,3sg=kollégiuma,in=ban] ; diákszálló
hall of residence	n	kollégium[kollégiumok,3sg=kollégiuma,in=ban]
tuition fees	n	tandíj[tandíjak,3sg=tandíja]
student loan	n	diákhitel[diákhitelek,3sg=diákhitele]
registration	n	regisztráció[regisztrációk] ; beiratkozás ; nyilvántartásba vétel
undergraduate	n	egyetemi hallgató ; alapszakos hallgató
postgraduate	n	mesterszakos hallgató ; posztgraduális hallgató
bachelor's degree	n	alapdiploma[alapdiplomák] ; alapszakos diploma
master's degree	n	mesterdiploma[mesterdiplomák] ; mesterfokozat
doctorate	n	doktori fokozat ; doktorátus
phd	n	doktori fokozat
# shops
shopkeeper	n	boltos[boltosok,person] ; kereskedő
greengrocer	n	zöldséges[zöldségesek,person]
butcher	n	hentes[hentesek,person]
florist	n	virágárus[virágárusok,person] ; virágbolt
newsagent	n	újságos[újságosok,person]
bookshop	n	könyvesbolt[könyvesboltok,3sg=könyvesboltja,in=ban]
bookstore	n	könyvesbolt[könyvesboltok,3sg=könyvesboltja,in=ban]
department store	n	áruház[áruházak,3sg=áruháza,in=ban]
shopping centre	n	bevásárlóközpont[bevásárlóközpontok,3sg=bevásárlóközpontja,to=ba,at=ban]
shopping center	n	bevásárlóközpont[bevásárlóközpontok,3sg=bevásárlóközpontja,to=ba,at=ban]
grocery	n	élelmiszerbolt[élelmiszerboltok,3sg=élelmiszerboltja] ; élelmiszer
groceries	n	élelmiszer[élelmiszerek] ; bevásárlás
cash desk	n	pénztár[pénztárak,at=nal]
changing room	n	próbafülke[próbafülkék] ; öltöző
fitting room	n	próbafülke[próbafülkék]
shopping basket	n	bevásárlókosár[bevásárlókosarak,acc=bevásárlókosarat,3sg=bevásárlókosara,poss=bevásárlókosara]
shopping cart	n	bevásárlókocsi[bevásárlókocsik] ; kosár[kosarak,acc=kosarat,3sg=kosara,poss=kosara]
shopping bag	n	bevásárlótáska[bevásárlótáskák] ; szatyor[szatyrok,acc=szatyrot,3sg=szatyra,poss=szatyro]
carrier bag	n	szatyor[szatyrok,acc=szatyrot,3sg=szatyra,poss=szatyro] ; nejlonzacskó
plastic bag	n	nejlonzacskó[nejlonzacskók] ; zacskó
price tag	n	árcédula[árcédulák]
special offer	n	akció[akciók] ; különleges ajánlat
voucher	n	utalvány[utalványok] ; kupon[kuponok,3sg=kuponja]
coupon	n	kupon[kuponok,3sg=kuponja]
gift card	n	ajándékkártya[ajándékkártyák]
loyalty card	n	hűségkártya[hűségkártyák] ; törzsvásárlói kártya
closing time	n	záróra[zárórák] ; zárás
seller	n	eladó[eladók,person]
buyer	n	vevő[vevők,person] ; vásárló
queue	v	sorban |áll[noobj] ; sorba |áll
haggle	v	alkudozik[noobj]
try on	v	fel|próbál
go shopping	v	vásárol[noobj] ; be|vásárol
on sale	adj	kapható ; akciós
discounted	adj	leárazott ; akciós
# online shopping and delivery
online shop	n	webáruház[webáruházak,3sg=webáruháza,in=ban]
online store	n	webáruház[webáruházak,3sg=webáruháza,in=ban]
wishlist	n	kívánságlista[kívánságlisták,on=n]
wish list	n	kívánságlista[kívánságlisták,on=n]
delivery address	n	szállítási cím
shipping address	n	szállítási cím
billing address	n	számlázási cím
courier	n	futár[futárok,person]
tracking number	n	nyomkövetési szám ; csomagszám
order number	n	rendelésszám[rendelésszámok,3sg=rendelésszáma]
postage	n	postaköltség[postaköltségek] ; portó
postcode	n	irányítószám[irányítószámok,3sg=irányítószáma]
zip code	n	irányítószám[irányítószámok,3sg=irányítószáma]
collection point	n	átvételi pont[to=ra,at=n] ; csomagpont
pick-up point	n	átvételi pont[to=ra,at=n] ; csomagpont
return label	n	visszaküldési címke
payment method	n	fizetési mód
checkout page	n	pénztár oldal ; fizetési oldal
free of charge	adj	ingyenes ; díjmentes
free of charge	adv	ingyen ; díjmentesen
free trial	n	ingyenes próbaidőszak ; próbaverzió
ship	v	szállít ; ki|szállít ; postáz
# phones, apps and accounts
cell phone	n	mobiltelefon[mobiltelefonok,3sg=mobiltelefonja] ; mobil[mobilok,3sg=mobilja,pp=mobiljai]
text message	n	üzenet[üzenetek,3sg=üzenete] ; szöveges üzenet
voicemail	n	hangposta[hangposták]
ringtone	n	csengőhang[csengőhangok,3sg=csengőhangja]
missed call	n	nem fogadott hívás
wifi	n	wifi[wifik]
wi-fi	n	wifi[wifik]
user name	n	felhasználónév[felhasználónevek,acc=felhasználónevet,3sg=felhasználóneve,poss=felhasználóneve]
log-in	n	bejelentkezés[bejelentkezések]
sign-in	n	bejelentkezés[bejelentkezések]
verification	n	ellenőrzés[ellenőrzések] ; hitelesítés ; igazolás
verification code	n	ellenőrző kód ; megerősítő kód
authentication	n	hitelesítés[hitelesítések] ; azonosítás
two-factor authentication	n	kétlépcsős azonosítás ; kétfaktoros hitelesítés
privacy settings	n	adatvédelmi beállítások
profile picture	n	profilkép[profilképek]
avatar	n	profilkép[profilképek]
home screen	n	kezdőképernyő[kezdőképernyők,on=n]
lock screen	n	zárolási képernyő
screenshot	n	képernyőkép[képernyőképek] ; képernyőfotó
error message	n	hibaüzenet[hibaüzenetek,3sg=hibaüzenete]
glitch	n	hiba[hibák] ; üzemzavar
spam	n	kéretlen levél
junk mail	n	kéretlen levél
search engine	n	keresőmotor[keresőmotorok,3sg=keresőmotorja,pp=keresőmotorjai] ; kereső
terms of use	n	felhasználási feltételek
tab	n	fül[fülek,acc=fület,3sg=füle]
emoji	n	hangulatjel[hangulatjelek,3sg=hangulatjele]
selfie	n	szelfi[szelfik]
back up	v	el|ment ; biztonsági másolatot készít
sign out	v	ki|jelentkezik[noobj,of=bol]
swipe	v	húz ; lapoz
upgrade	v	frissít ; fejleszt
tag	v	meg|jelöl ; be|jelöl
offline	adj	offline ; kapcsolat nélküli
unread	adj	olvasatlan
up-to-date	adj	naprakész ; korszerű
# social media
social media	n	közösségi média
group chat	n	csoportos beszélgetés
direct message	n	privát üzenet ; közvetlen üzenet
livestream	n	élő közvetítés ; élő adás
live stream	n	élő közvetítés ; élő adás
troll	n	troll[trollok,acc=trollt,3sg=trollja]
fake news	n	álhír[álhírek] ; hamis hír
blogger	n	blogger[bloggerek,person] ; blogíró
content creator	n	tartalomgyártó[tartalomgyártók,person]
# the news of politics and the economy
general election	n	általános választás[in=n,at=n] ; parlamenti választás
opinion poll	n	közvélemény-kutatás[közvélemény-kutatások]
polling station	n	szavazóhelyiség[szavazóhelyiségek] ; szavazókör
turnout	n	részvétel ; választási részvétel
constituency	n	választókerület[választókerületek,3sg=választókerülete]
mp	n	képviselő[képviselők,person] ; parlamenti képviselő
member of parliament	n	képviselő[képviselők,person] ; parlamenti képviselő
lawmaker	n	törvényhozó[törvényhozók,person] ; képviselő
senator	n	szenátor[szenátorok,person]
councillor	n	önkormányzati képviselő
spokesman	n	szóvivő[szóvivők,person]
spokeswoman	n	szóvivő[szóvivők,person]
spokesperson	n	szóvivő[szóvivők,person]
demonstrator	n	tüntető[tüntetők,person]
migrant	n	migráns[migránsok,person] ; bevándorló
citizenship	n	állampolgárság[állampolgárságok]
dictatorship	n	diktatúra[diktatúrák]
press conference	n	sajtótájékoztató[sajtótájékoztatók,at=n]
summit	n	csúcstalálkozó[csúcstalálkozók,at=n] ; csúcs
tariff	n	vám[vámok,3sg=vámja] ; díjszabás
subsidy	n	támogatás[támogatások] ; szubvenció
deficit	n	hiány[hiányok,3sg=hiánya]
spending	n	kiadás[kiadások] ; költekezés
tax cut	n	adócsökkentés[adócsökkentések]
tax rise	n	adóemelés[adóemelések]
cost of living	n	megélhetési költség
jobless rate	n	munkanélküliségi ráta
gdp	n	bruttó hazai termék
stock market	n	tőzsde[tőzsdék,on=n]
public sector	n	közszféra[közszférák] ; állami szektor
private sector	n	magánszféra[magánszférák] ; magánszektor
infrastructure	n	infrastruktúra[infrastruktúrák]
healthcare system	n	egészségügyi rendszer ; egészségügy[egészségügyek]
ceasefire	n	tűzszünet[tűzszünetek,3sg=tűzszünete]
bombing	n	bombázás[bombázások] ; robbantás
casualty	n	áldozat[áldozatok,3sg=áldozata,person] ; sérült[sérültek]
evacuation	n	kiürítés[kiürítések] ; evakuálás
civilian	adj	polgári ; civil
controversial	adj	vitatott ; ellentmondásos
left-wing	adj	baloldali
right-wing	adj	jobboldali
socialist	adj	szocialista
re-elect	v	újra|választ
pledge	v	meg|ígér
veto	v	meg|vétóz ; vétót emel
criticize	v	bírál[for=ert] ; kritizál[for=ert]
evacuate	v	evakuál ; ki|telepít
step down	v	le|mond[noobj] ; vissza|lép
# the weather and the environment
weather forecast	n	időjárás-jelentés[időjárás-jelentések] ; előrejelzés
rainfall	n	csapadék[csapadékok,3sg=csapadéka]
downpour	n	felhőszakadás[felhőszakadások] ; zápor
sleet	n	havas eső ; ónos eső
snowfall	n	havazás[havazások]
gust	n	széllökés[széllökések]
gale	n	viharos szél ; vihar
heat wave	n	hőhullám[hőhullámok,3sg=hőhulláma]
cold snap	n	lehűlés[lehűlések] ; hideghullám
humidity	n	páratartalom[páratartalmak,acc=páratartalmat,3sg=páratartalma,poss=páratartalma,sup=páratartalmon] ; nedvesség
flooding	n	áradás[áradások] ; árvíz[árvizek,acc=árvizet,3sg=árvize,poss=árvize]
bushfire	n	bozóttűz[bozóttüzek,acc=bozóttüzet,3sg=bozóttüze,poss=bozóttüze]
tsunami	n	cunami[cunamik]
eruption	n	kitörés[kitörések]
climate change	n	klímaváltozás ; éghajlatváltozás
global warming	n	globális felmelegedés
greenhouse gas	n	üvegházhatású gáz
carbon	n	szén[szenek,acc=szenet,3sg=szene,poss=szene]
carbon dioxide	n	szén-dioxid[3sg=szén-dioxidja]
emission	n	kibocsátás[kibocsátások]
air pollution	n	légszennyezés ; levegőszennyezés
smog	n	szmog[szmogok,3sg=szmogja]
coal	n	szén[szenek,acc=szenet,3sg=szene,poss=szene]
fossil fuel	n	fosszilis üzemanyag
renewable energy	n	megújuló energia
solar energy	n	napenergia
solar panel	n	napelem[napelemek,3sg=napeleme]
wind turbine	n	szélturbina[szélturbinák] ; szélerőmű
wind farm	n	szélerőmű-park
rainforest	n	esőerdő[esőerdők,3sg=esőerdeje,in=ban]
deforestation	n	erdőirtás[erdőirtások]
habitat	n	élőhely[élőhelyek,3sg=élőhelye]
wildlife	n	vadvilág ; élővilág
extinction	n	kihalás
ecosystem	n	ökoszisztéma[ökoszisztémák]
biodiversity	n	biológiai sokféleség ; biodiverzitás
sustainability	n	fenntarthatóság
sea level	n	tengerszint[tengerszintek,3sg=tengerszintje]
ozone layer	n	ózonréteg[ózonrétegek,3sg=ózonrétege]
overcast	adj	borult ; felhős
misty	adj	párás ; ködös
changeable	adj	változékony ; változó
eco-friendly	adj	környezetbarát
environmentally friendly	adj	környezetbarát
sustainable	adj	fenntartható
renewable	adj	megújuló
recyclable	adj	újrahasznosítható
biodegradable	adj	lebomló ; biológiailag lebomló
carbon-neutral	adj	szén-semleges
polluted	adj	szennyezett
endangered	adj	veszélyeztetett ; kihalófélben lévő
extinct	adj	kihalt ; kialudt
toxic	adj	mérgező ; toxikus
drizzle	v	szemerkél[noobj] ; szitál
pollute	v	szennyez ; be|szennyez
conserve	v	meg|takarít ; meg|óv
reuse	v	újra|felhasznál ; újrahasznosít
clear up	v	fel|takarít[thing=ki|tisztul] ; rendbe |tesz
brighten up	v	ki|derül[noobj]
# sport results
athlete	n	sportoló[sportolók,person] ; atléta
midfielder	n	középpályás[középpályások,person]
loser	n	vesztes[vesztesek,person]
runner-up	n	második helyezett ; ezüstérmes
gold medal	n	aranyérem[aranyérmek,acc=aranyérmet,3sg=aranyérme,poss=aranyérme]
silver medal	n	ezüstérem[ezüstérmek,acc=ezüstérmet,3sg=ezüstérme,poss=ezüstérme]
bronze medal	n	bronzérem[bronzérmek,acc=bronzérmet,3sg=bronzérme,poss=bronzérme]
world record	n	világrekord[világrekordok,3sg=világrekordja]
world cup	n	világbajnokság[világbajnokságok] ; világkupa
olympics	n	olimpia[olimpiák]
olympic games	n	olimpia[olimpiák] ; olimpiai játékok
semifinal	n	elődöntő[elődöntők,in=ban]
quarterfinal	n	negyeddöntő[negyeddöntők,in=ban]
final score	n	végeredmény[végeredmények,3sg=végeredménye]
fixture	n	mérkőzés[mérkőzések]
home game	n	hazai mérkőzés ; hazai meccs
away game	n	idegenbeli mérkőzés ; idegenbeli meccs
home team	n	hazai csapat
home match	n	hazai mérkőzés ; hazai meccs
home crowd	n	hazai közönség
home fan	n	hazai szurkoló[person]
home ground	n	hazai pálya[on=n,at=n]
away team	n	vendégcsapat[vendégcsapatok]
kick-off	n	kezdőrúgás[kezdőrúgások] ; kezdés
half-time	n	félidő[félidők,3sg=félideje,time=ban]
halftime	n	félidő[félidők,3sg=félideje,time=ban]
extra time	n	hosszabbítás[hosszabbítások,in=ban]
injury time	n	hosszabbítás[hosszabbítások,in=ban]
penalty shootout	n	büntetőpárbaj[büntetőpárbajok,acc=büntetőpárbajt,3sg=büntetőpárbaja]
free kick	n	szabadrúgás[szabadrúgások]
red card	n	piros lap
yellow card	n	sárga lap
offside	n	les[lesek,3sg=lese] ; lesállás
finish line	n	célvonal[célvonalak,3sg=célvonala]
training session	n	képzés[képzések,to=ra,at=n] ; edzés[edzések,to=ra,at=n]
olympic	adj	olimpiai
unbeaten	adj	veretlen
undefeated	adj	veretlen
equalize	v	egyenlít ; ki|egyenlít
host	v	rendez ; vendégül |lát
coach	v	edz ; tanít
knock out	v	ki|ejt ; ki|üt
sprint	v	sprintel[noobj] ; rohan
# holidays and hotels
airline	n	légitársaság[légitársaságok]
package holiday	n	társasutazás[társasutazások] ; szervezett utazás
guided tour	n	idegenvezetés[idegenvezetések] ; vezetett túra
tour guide	n	idegenvezető[idegenvezetők,person]
travel agent	n	utazási ügynök ; utazási iroda
travel agency	n	utazási iroda ; utazási ügynökség
day trip	n	egynapos kirándulás ; kirándulás
guesthouse	n	panzió[panziók] ; vendégház[vendégházak]
bed and breakfast	n	panzió[panziók] ; szállás reggelivel
single room	n	egyágyas szoba
double room	n	kétágyas szoba ; franciaágyas szoba
twin room	n	kétágyas szoba
room service	n	szobaszerviz[szobaszervizek]
room key	n	szobakulcs[szobakulcsok,3sg=szobakulcsa]
key card	n	kulcskártya[kulcskártyák]
lobby	n	előcsarnok[előcsarnokok,3sg=előcsarnoka,in=ban]
minibar	n	minibár[minibárok,3sg=minibárja]
half board	n	félpanzió
full board	n	teljes ellátás ; teljes panzió
all-inclusive	adj	teljes ellátású
fully booked	adj	telt házas ; megtelt
sea view	n	tengerre néző kilátás ; kilátás a tengerre
sauna	n	szauna[szaunák]
spa	n	gyógyfürdő[gyógyfürdők,3sg=gyógyfürdője,in=ban]
jet lag	n	időeltolódás
sunscreen	n	naptej[naptejek] ; fényvédő krém
sunburn	n	leégés[leégések]
postcard	n	képeslap[képeslapok,3sg=képeslapja]
duty-free	n	vámmentes bolt
sunbathe	v	napozik[noobj]
sightsee	v	nézelődik[noobj] ; városnézésre megy
luxurious	adj	luxus ; fényűző
peaceful	adj	békés ; nyugodt
picturesque	adj	festői
scenic	adj	festői ; látványos
touristy	adj	turistás ; turistáktól zsúfolt
# the family
stepson	n	mostohagyerek[mostohagyerekek,person] ; nevelt fiú
stepdaughter	n	mostohalány[mostohalányok,person] ; nevelt lány
stepbrother	n	mostohatestvér[mostohatestvérek,person]
stepsister	n	mostohatestvér[mostohatestvérek,person]
half-brother	n	féltestvér[féltestvérek,person]
half-sister	n	féltestvér[féltestvérek,person]
great-grandmother	n	dédanya[dédanyák,3sg=dédanyja,person]
great-grandfather	n	dédapa[dédapák,3sg=dédapja,person]
grandchild	n	unoka[unokák,person]
godmother	n	keresztanya[keresztanyák,person]
godfather	n	keresztapa[keresztapák,person]
godchild	n	keresztgyerek[keresztgyerekek,person]
sibling	n	testvér[testvérek,person]
only child	n	egyke[egykék,person] ; egyetlen gyerek
spouse	n	házastárs[házastársak,person] ; férj ; feleség
ex-wife	n	volt feleség ; exfeleség
ex-husband	n	volt férj ; exférj
bridegroom	n	vőlegény[vőlegények,person]
honeymoon	n	nászút[nászutak,acc=nászutat,3sg=nászútja,on=n]
single parent	n	egyedülálló szülő
nanny	n	dada[dadák,person]
childcare	n	gyermekfelügyelet ; gyerekgondozás
housewife	n	háziasszony[háziasszonyok,person]
adoption	n	örökbefogadás[örökbefogadások]
cemetery	n	temető[temetők,in=ban]
babysit	v	vigyáz[obj=ra]
bring up	v	fel|nevel ; szóba |hoz
foster	v	nevel ; ápol ; elő|segít
split up	v	szakít[noobj] ; szét|válik
fall out	v	össze|kap[noobj,with=val] ; ki|esik
get along	v	ki|jön[noobj,with=val]
make up	v	ki|talál[intr=ki|békül] ; ki|békül[noobj] ; alkot ; alkot[when=half/percent/majority/third/quarter/proportion/share/fraction/minority/bulk]
# feelings
affection	n	szeretet[3sg=szeretete] ; vonzalom[vonzalmak,acc=vonzalmat,3sg=vonzalma,poss=vonzalma,sup=vonzalmon]
tenderness	n	gyengédség
empathy	n	empátia ; beleérzés
laughter	n	nevetés[nevetések]
hug	n	ölelés[ölelések]
trust	n	bizalom[bizalmak,acc=bizalmat,3sg=bizalma,poss=bizalma,sup=bizalmon]
self-confidence	n	önbizalom[önbizalmak,acc=önbizalmat,3sg=önbizalma,poss=önbizalma,sup=önbizalmon]
self-esteem	n	önbecsülés ; önértékelés
adore	v	imád
blush	v	el|pirul[noobj] ; pirul[noobj]
sob	v	zokog[noobj]
cuddle	v	meg|ölel ; dédelget
quarrel	v	veszekedik[noobj,with=val]
grieve	v	gyászol
reassure	v	meg|nyugtat
motivate	v	motivál ; ösztönöz
disappoint	v	ki|ábrándít ; csalódást okoz
embarrass	v	zavarba |hoz
cope	v	meg|birkózik[noobj,with=val] ; boldogul[noobj]
calm down	v	le|higgad[noobj] ; meg|nyugtat
envy	v	irigyel
ashamed	adj	szégyenkező
envious	adj	irigy[of=ra]
frustrated	adj	frusztrált ; csalódott
heartbroken	adj	összetört szívű ; levert
hopeless	adj	reménytelen
insecure	adj	bizonytalan
irritated	adj	ingerült ; bosszús
moody	adj	szeszélyes ; rosszkedvű
grumpy	adj	morcos ; zsémbes
# describing people: looks
bearded	adj	szakállas
blond	adj	szőke
chubby	adj	pufók ; duci
plump	adj	molett ; gömbölyded
skinny	adj	sovány ; vézna
stocky	adj	zömök
well-built	adj	jó felépítésű ; izmos
good-looking	adj	jóképű ; csinos
scruffy	adj	ápolatlan ; rendetlen
untidy	adj	rendetlen
messy	adj	rendetlen ; kócos
curly	adj	göndör
wavy	adj	hullámos
dark-haired	adj	sötét hajú ; barna hajú
fair-haired	adj	világos hajú ; szőke
red-haired	adj	vörös hajú
grey-haired	adj	ősz hajú
gray-haired	adj	ősz hajú
long-haired	adj	hosszú hajú
short-haired	adj	rövid hajú
tanned	adj	lebarnult ; napbarnított
freckled	adj	szeplős
wrinkled	adj	ráncos
middle-aged	adj	középkorú
teenage	adj	tizenéves ; kamasz
complexion	n	arcszín[arcszínek,3sg=arcszíne]
hairstyle	n	frizura[frizurák] ; hajviselet
haircut	n	hajvágás[hajvágások] ; frizura ; frizura[when=new/nice/short/terrible/awful/funny/great/good/bad/stylish/trendy]
ponytail	n	lófarok[lófarkak,acc=lófarkat,3sg=lófarka,poss=lófarka]
fringe	n	frufru[frufruk] ; perem
curls	n	fürt[fürtök,3sg=fürtje]
tattoo	n	tetoválás[tetoválások]
# describing people: character
arrogant	adj	arrogáns ; beképzelt
bossy	adj	parancsolgató ; basáskodó
caring	adj	gondoskodó
charming	adj	bájos ; elbűvölő
cheeky	adj	szemtelen ; pimasz
considerate	adj	figyelmes ; tapintatos
cowardly	adj	gyáva
dishonest	adj	becstelen ; tisztességtelen
easy-going	adj	laza ; közvetlen
easygoing	adj	laza ; közvetlen
laid-back	adj	laza ; nyugodt
hard-working	adj	szorgalmas
hardworking	adj	szorgalmas
humorous	adj	humoros ; vicces
imaginative	adj	ötletes ; fantáziadús
immature	adj	éretlen
loyal	adj	hűséges[to=hoz] ; lojális
naughty	adj	rossz ; csintalan ; szemtelen
nosy	adj	kíváncsi ; kotnyeles
optimistic	adj	optimista
pessimistic	adj	pesszimista
outgoing	adj	barátságos ; nyitott
sociable	adj	társaságkedvelő ; barátságos
talkative	adj	beszédes ; bőbeszédű
punctual	adj	pontos
sincere	adj	őszinte
stubborn	adj	makacs
trustworthy	adj	megbízható
unreliable	adj	megbízhatatlan
unfriendly	adj	barátságtalan
spoilt	adj	elkényeztetett ; elrontott
# time and frequency
afterward	adv	utána ; később
beforehand	adv	előre ; előtte
continually	adv	folyamatosan ; állandóan
repeatedly	adv	többször ; ismételten
every now and then	adv	időnként ; néha
now and then	adv	időnként ; néha
now and again	adv	időnként ; néha
from time to time	adv	időnként ; néha
once in a while	adv	néha ; olykor
every other day	adv	minden második nap ; kétnaponta
for now	adv	egyelőre ; most
for the time being	adv	egyelőre ; átmenetileg
in the meantime	adv	közben ; eközben
in a while	adv	nemsokára ; kis idő múlva
right away	adv	azonnal ; rögtön
straight away	adv	azonnal ; rögtön
sooner or later	adv	előbb-utóbb
long ago	adv	régen ; réges-régen
ages ago	adv	nagyon régen ; ezer éve
until now	adv	eddig ; mostanáig
up to now	adv	eddig ; mostanáig
the day after tomorrow	adv	holnapután
the day before yesterday	adv	tegnapelőtt
the other day	adv	a minap ; nemrég
all week	adv	egész héten
any minute	adv	bármelyik percben ; bármelyik pillanatban
midweek	adv	hét közben ; a hét közepén
hourly	adv	óránként
nightly	adv	minden este ; éjszakánként
fortnightly	adv	kéthetente
hourly	adj	óránkénti
nightly	adj	esti ; éjszakai
fortnightly	adj	kétheti ; kéthetenkénti
two-week	adj	kéthetes
half-hour	adj	félórás
upcoming	adj	közelgő ; következő
forthcoming	adj	közelgő ; küszöbön álló
ongoing	adj	folyamatban lévő ; folyamatos
lengthy	adj	hosszadalmas ; hosszú
eventual	adj	végső ; esetleges
midday	n	dél[delek,at=ban,time=ban]
lunchtime	n	ebédidő[ebédidők,3sg=ebédideje,time=ban]
lunch break	n	ebédszünet[ebédszünetek,3sg=ebédszünete,time=ban]
bedtime	n	lefekvés ideje ; lefekvés
bank holiday	n	munkaszüneti nap ; ünnepnap[ünnepnapok,3sg=ünnepnapja,pp=ünnepnapjai]
leap year	n	szökőév[szökőévek,3sg=szökőéve]
millennium	n	évezred[évezredek,3sg=évezrede]
# phrasal verbs of every day, with the case their object takes
get rid of	v	meg|szabadul[noobj,obj=tol]
get used to	v	meg|szokik
keep an eye on	v	szemmel |tart
change my mind	v	meg|gondol[noobj]
change your mind	v	meg|gondol[noobj]
change his mind	v	meg|gondol[noobj]
change her mind	v	meg|gondol[noobj]
change our minds	v	meg|gondol[noobj]
change your minds	v	meg|gondol[noobj]
change their minds	v	meg|gondol[noobj]
change their mind	v	meg|gondol[noobj]
change our mind	v	meg|gondol[noobj]
get in touch with	v	kapcsolatba |lép[noobj,obj=val]
go wrong	v	el|romlik[noobj]
keep calm	v	nyugodt |marad[noobj]
stay calm	v	nyugodt |marad[noobj]
get dressed	v	fel|öltözik[noobj]
get changed	v	át|öltözik[noobj]
take advantage of	v	ki|használ
be tired of	v	un
be used to	v	hozzá|szokik[noobj,obj=hoz]
make it	v	el|jut[noobj]
put up with	v	el|tűr ; el|visel
point out	v	rá|mutat[noobj,obj=ra,that=ra]
sort out	v	el|intéz ; rendez
figure out	v	ki|talál ; rá|jön
work out	v	meg|old[intr=edz] ; ki|számol
turn out	v	ki|derül[noobj] ; sikerül[noobj,when=well/badly/great/nicely/perfectly/brilliantly] ; ki|kapcsol ; meg|jelenik[noobj,when=voter/people/crowd/fan/supporter/thousand/hundred/resident/protester/spectator/visitor/member/student]
take out	v	ki|vesz ; el|visz ; ki|visz[when=rubbish/trash/garbage/bin/recycling/dog]
take back	v	vissza|visz ; vissza|vesz
get back	v	vissza|kap[intr=vissza|ér] ; vissza|ér
come over	v	át|jön[noobj]
stop by	v	be|ugrik[noobj]
see off	v	ki|kísér
show around	v	körbe|vezet ; körül|vezet
look round	v	körül|néz[noobj]
hand out	v	ki|oszt
hand over	v	át|ad
hand back	v	vissza|ad
tear up	v	szét|tép ; össze|tép
cross out	v	ki|húz ; át|húz
note down	v	fel|ír ; le|jegyez
pass out	v	el|ájul[noobj]
throw up	v	hány[noobj]
cut off	v	le|vág ; ki|kapcsol ; el|zár[when=supply/water/electricity/gas/power/road] ; el|vág[when=village/town/area/region/community/island/city/valley]
cut back	v	csökkent ; vissza|fog ; vissza|metsz[when=rose/roses/plant/hedge/bush/shrub/tree/branch/branches/stem/shoot/vine]
pay off	v	ki|fizet ; le|törleszt
save up	v	spórol[noobj,for=ra] ; takarékoskodik
sell out	v	el|fogy[noobj,pass=el|fogy]
settle down	v	le|telepedik[noobj]
settle in	v	be|illeszkedik[noobj] ; be|rendezkedik
move on	v	tovább|lép[noobj] ; tovább|megy[noobj]
fall behind	v	le|marad[noobj,with=val]
drop out	v	ki|marad[noobj,of=bol] ; ki|esik
warm up	v	fel|melegít[intr=be|melegít] ; be|melegít
cool down	v	le|hűl[noobj]
blow up	v	fel|robbant[intr=fel|robban] ; fel|fúj
pull down	v	le|bont ; le|húz
lay off	v	el|bocsát
step in	v	közbe|lép[noobj]
line up	v	sorba |áll[noobj] ; fel|sorakozik
queue up	v	sorba |áll[noobj]
log off	v	ki|jelentkezik[noobj]
ring up	v	fel|hív
ring back	v	vissza|hív
try out	v	ki|próbál
pick out	v	ki|választ
turn over	v	meg|fordít ; át|fordít
wash up	v	el|mosogat ; mosogat
dress up	v	ki|öltözik[noobj] ; be|öltözik
do up	v	be|gombol ; fel|újít
set out	v	el|indul[noobj] ; ki|tűz

# --- everyday words of any page, by topic (tenth round)
# the verbs of news reports: rises and falls, what officials do, what courts and police do
plummet	v	zuhan[noobj,to=ra,by=val]
halve	v	felez ; felére |csökkent
triple	v	meg|háromszoroz[intr=meg|háromszorozódik]
rebound	v	erősödik[noobj] ; vissza|pattan[noobj]
strengthen	v	fokoz[intr=erősödik] ; meg|szilárdít
stabilize	v	stabilizál[intr=stabilizálódik]
fluctuate	v	ingadozik[noobj]
outperform	v	felülmúl
vow	v	meg|fogad
scrap	v	el|vet ; meg|szüntet
axe	v	meg|szüntet ; le|épít
unveil	v	be|mutat ; le|leplez
allege	v	állít
detain	v	őrizetbe |vesz ; fel|tart
probe	v	vizsgál ; ki|vizsgál
hijack	v	el|térít
flee	v	menekül[noobj,from=bol] ; el|menekül[noobj]
enforce	v	érvényesít ; be|tartat
ratify	v	ratifikál
mediate	v	közvetít
nominate	v	jelöl[for=ra] ; ki|jelöl
reaffirm	v	meg|ismétel ; ismételten |kijelent
reiterate	v	meg|ismétel ; hangsúlyoz
downplay	v	bagatellizál ; kisebbít
oust	v	el|távolít ; meg|buktat
topple	v	meg|buktat ; le|dönt
mobilize	v	mozgósít
deploy	v	be|vet ; telepít
retaliate	v	vissza|vág[noobj]
escalate	v	eszkalál[intr=eszkalálódik] ; fokoz
spearhead	v	vezet ; irányít
# the economy and business
stockholder	n	részvényes[részvényesek,person]
share price	n	részvényár[részvényárak,3sg=részvényára]
merger	n	fúzió[fúziók] ; egyesülés
acquisition	n	felvásárlás[felvásárlások] ; megszerzés
takeover	n	felvásárlás[felvásárlások] ; átvétel
takeover bid	n	felvásárlási ajánlat
slowdown	n	lassulás[lassulások]
downturn	n	visszaesés[visszaesések]
upturn	n	fellendülés[fellendülések]
central bank	n	központi bank ; jegybank[jegybankok,3sg=jegybankja]
base rate	n	alapkamat[alapkamatok,3sg=alapkamata]
inflation rate	n	inflációs ráta ; infláció
consumer price	n	fogyasztói ár[árak]
consumer spending	n	fogyasztói kiadások ; fogyasztás
supply chain	n	ellátási lánc
trade deficit	n	kereskedelmi hiány
budget deficit	n	költségvetési hiány
trade surplus	n	kereskedelmi többlet
trade war	n	kereskedelmi háború
trade deal	n	kereskedelmi megállapodás
free trade	n	szabad kereskedelem
single market	n	egységes piac
hedge fund	n	fedezeti alap
pension fund	n	nyugdíjalap[nyugdíjalapok,3sg=nyugdíjalapja]
asset	n	eszköz[eszközök] ; vagyon[vagyonok]
portfolio	n	portfólió[portfóliók]
stock exchange	n	értéktőzsde[értéktőzsdék,on=n] ; tőzsde
market share	n	piaci részesedés
market value	n	piaci érték
competitor	n	versenyző[versenyzők,person] ; versenytárs[versenytársak,person] ; konkurens ; versenytárs[versenytársak,person,when=main/biggest/rival/business/closest/direct/major/foreign/market/nearest/commercial]
start-up	n	induló vállalkozás
chief executive	n	vezérigazgató[vezérigazgatók,person]
ceo	n	vezérigazgató[vezérigazgatók,person]
cfo	n	pénzügyi igazgató
subsidiary	n	leányvállalat[leányvállalatok,3sg=leányvállalata]
parent company	n	anyavállalat[anyavállalatok,3sg=anyavállalata]
workforce	n	munkaerő[munkaerők,3sg=munkaereje] ; személyzet
layoff	n	elbocsátás[elbocsátások]
job cut	n	leépítés[leépítések] ; elbocsátás
minimum wage	n	minimálbér[minimálbérek,3sg=minimálbére]
pay cut	n	fizetéscsökkentés[fizetéscsökkentések]
insolvency	n	fizetésképtelenség
bailout	n	mentőcsomag[mentőcsomagok,3sg=mentőcsomagja] ; kimentés
stimulus	n	ösztönzés[ösztönzések] ; inger
stimulus package	n	gazdaságélénkítő csomag
austerity	n	megszorítás[megszorítások] ; takarékosság
tax revenue	n	adóbevétel[adóbevételek]
vat	n	áfa[áfák] ; általános forgalmi adó
value added tax	n	általános forgalmi adó ; áfa[áfák]
productivity	n	termelékenység
price rise	n	áremelkedés[áremelkedések] ; áremelés
price increase	n	áremelés[áremelések] ; áremelkedés
housing market	n	lakáspiac[lakáspiacok,3sg=lakáspiaca] ; ingatlanpiac
property market	n	ingatlanpiac[ingatlanpiacok,3sg=ingatlanpiaca]
labor market	n	munkaerőpiac[munkaerőpiacok,3sg=munkaerőpiaca]
growth rate	n	növekedési ütem
economic growth	n	gazdasági növekedés
financial crisis	n	pénzügyi válság
debt crisis	n	adósságválság[adósságválságok]
national debt	n	államadósság[államadósságok]
public debt	n	államadósság[államadósságok]
interest payment	n	kamatfizetés[kamatfizetések]
fiscal year	n	pénzügyi év ; költségvetési év
financial year	n	pénzügyi év ; üzleti év
annual report	n	éves jelentés
balance sheet	n	mérleg[mérlegek]
shortfall	n	hiány[hiányok] ; lemaradás
commodity	n	áru[áruk] ; nyersanyag
raw material	n	nyersanyag[nyersanyagok,3sg=nyersanyaga]
manufacturing	n	gyártás[gyártások] ; feldolgozóipar
retailer	n	kiskereskedő[kiskereskedők] ; kereskedő
wholesaler	n	nagykereskedő[nagykereskedők]
retail	n	kiskereskedelem[kiskereskedelmek,acc=kiskereskedelmet,3sg=kiskereskedelme,poss=kiskereskedelme,sup=kiskereskedelmen]
e-commerce	n	e-kereskedelem[acc=e-kereskedelmet,3sg=e-kereskedelme]
logo	n	logó[logók]
marketing	n	marketing[marketingek,3sg=marketingje]
sponsorship	n	szponzoráció[szponzorációk] ; támogatás
joint venture	n	vegyes vállalat
lobbyist	n	lobbista[lobbisták,person]
regulator	n	szabályozó hatóság ; felügyelet
watchdog	n	felügyeleti szerv ; házőrző kutya
trader	n	kereskedő[kereskedők,person] ; bróker
analyst	n	elemző[elemzők,person]
entrepreneur	n	vállalkozó[vállalkozók,person]
tycoon	n	mágnás[mágnások,person] ; iparmágnás
fiscal	adj	költségvetési ; fiskális
monetary	adj	monetáris ; pénzügyi
quarterly	adj	negyedéves
loss-making	adj	veszteséges
volatile	adj	ingadozó ; változékony
sluggish	adj	lassú ; vontatott
robust	adj	erős ; robusztus
state-owned	adj	állami ; állami tulajdonú
privately owned	adj	magántulajdonú
multinational	adj	multinacionális
inflationary	adj	inflációs
year-on-year	adj	éves összevetésű ; éves
privatize	v	privatizál
nationalize	v	államosít
outsource	v	ki|szervez
auction	v	el|árverez
sponsor	v	szponzorál ; támogat
advertise	v	hirdet ; reklámoz
go bankrupt	v	csődbe |megy[noobj]
go bust	v	csődbe |megy[noobj]
# elections and parliament
ballot paper	n	szavazólap[szavazólapok,3sg=szavazólapja]
ballot box	n	urna[urnák] ; szavazóurna
polling day	n	választás napja ; szavazás napja
running mate	n	alelnökjelölt[alelnökjelöltek,person]
manifesto	n	választási program ; kiáltvány
ruling party	n	kormánypárt[kormánypártok,3sg=kormánypártja]
opposition party	n	ellenzéki párt
political party	n	politikai párt ; párt
party leader	n	pártvezető[pártvezetők,person]
recount	n	újraszámlálás[újraszámlálások]
runoff	n	második forduló
exit poll	n	urnák melletti felmérés
house of commons	n	alsóház[alsóházak,3sg=alsóháza] ; brit alsóház
house of lords	n	felsőház[felsőházak,3sg=felsőháza] ; lordok háza
lower house	n	alsóház[alsóházak,3sg=alsóháza]
upper house	n	felsőház[felsőházak,3sg=felsőháza]
no-confidence vote	n	bizalmatlansági szavazás
vote of no confidence	n	bizalmatlansági szavazás
cabinet minister	n	miniszter[miniszterek,person]
premier	n	miniszterelnök[miniszterelnökök,person]
chancellor	n	kancellár[kancellárok,3sg=kancellárja,pp=kancellárjai,person]
governor	n	kormányzó[kormányzók,person]
foreign minister	n	külügyminiszter[külügyminiszterek,person]
finance minister	n	pénzügyminiszter[pénzügyminiszterek,person]
interior minister	n	belügyminiszter[belügyminiszterek,person]
defence minister	n	védelmi miniszter
defense minister	n	védelmi miniszter
health minister	n	egészségügyi miniszter
education minister	n	oktatási miniszter
foreign ministry	n	külügyminisztérium[külügyminisztériumok]
interior ministry	n	belügyminisztérium[belügyminisztériumok]
negotiator	n	tárgyaló[tárgyalók,person]
dictator	n	diktátor[diktátorok,person]
activist	n	aktivista[aktivisták,person]
petition	n	petíció[petíciók] ; kérvény
mandate	n	felhatalmazás[felhatalmazások] ; mandátum
incumbent	n	hivatalban lévő politikus
head of state	n	államfő[államfők,3sg=államfője,person]
head of government	n	kormányfő[kormányfők,3sg=kormányfője,person]
leadership contest	n	vezetőválasztás[vezetőválasztások]
local elections	n	helyhatósági választások ; önkormányzati választások
local election	n	önkormányzati választás ; helyhatósági választás
presidential election	n	elnökválasztás[elnökválasztások,in=n,at=n]
parliamentary election	n	parlamenti választás ; országgyűlési választás
election campaign	n	választási kampány ; kampány
electoral	adj	választási
parliamentary	adj	parlamenti ; országgyűlési
presidential	adj	elnöki
ministerial	adj	miniszteri
governmental	adj	kormányzati
populist	adj	populista
nationalist	adj	nacionalista
far-right	adj	szélsőjobboldali
far-left	adj	szélsőbaloldali
centre-left	adj	balközép ; balközép irányzatú
centre-right	adj	jobbközép ; jobbközép irányzatú
incumbent	adj	hivatalban lévő ; jelenlegi
undemocratic	adj	antidemokratikus ; nem demokratikus
authoritarian	adj	tekintélyelvű ; autoriter
bipartisan	adj	kétpárti
legislate	v	törvényt |alkot ; szabályoz
lobby	v	lobbizik[noobj,for=ert]
# disasters and emergencies
forest fire	n	erdőtűz[erdőtüzek,acc=erdőtüzet,3sg=erdőtüze,poss=erdőtüze]
aftershock	n	utórengés[utórengések]
tremor	n	rengés[rengések] ; remegés
typhoon	n	tájfun[tájfunok,3sg=tájfunja]
cyclone	n	ciklon[ciklonok,3sg=ciklonja]
famine	n	éhínség[éhínségek]
gas leak	n	gázszivárgás[gázszivárgások]
rubble	n	törmelék[törmelékek,3sg=törmeléke]
debris	n	törmelék[törmelékek,3sg=törmeléke] ; roncs
wreckage	n	roncs[roncsok,3sg=roncsa]
death toll	n	halálos áldozatok száma ; áldozatok száma
rescuer	n	mentő[mentők,person] ; mentőegység
rescue team	n	mentőcsapat[mentőcsapatok,3sg=mentőcsapata]
rescue worker	n	mentő[mentők,person] ; mentőmunkás
search and rescue	n	kutatás és mentés
fire brigade	n	tűzoltóság[tűzoltóságok]
fire service	n	tűzoltóság[tűzoltóságok]
fire engine	n	tűzoltóautó[tűzoltóautók]
emergency services	n	mentőszolgálatok ; segélyszolgálatok
state of emergency	n	rendkívüli állapot ; szükségállapot[szükségállapotok,3sg=szükségállapota]
emergency number	n	segélyhívó szám
evacuee	n	kitelepített[kitelepítettek,person]
humanitarian aid	n	humanitárius segély
alert	n	riasztás[riasztások] ; figyelmeztetés
siren	n	sziréna[szirénák]
sandbag	n	homokzsák[homokzsákok,3sg=homokzsákja]
levee	n	gát[gátak,3sg=gátja,pp=gátjai] ; töltés
flood defences	n	árvízvédelmi gátak
flood warning	n	árvízi figyelmeztetés
outage	n	kimaradás[kimaradások] ; áramszünet
natural disaster	n	természeti katasztrófa
crash site	n	baleset helyszíne ; lezuhanás helyszíne
plane crash	n	repülőgép-szerencsétlenség[repülőgép-szerencsétlenségek] ; légi katasztrófa
train crash	n	vonatbaleset[vonatbalesetek]
shipwreck	n	hajótörés[hajótörések] ; hajóroncs
lifeboat	n	mentőcsónak[mentőcsónakok,3sg=mentőcsónakja]
life jacket	n	mentőmellény[mentőmellények]
first aid	n	elsősegély[elsősegélyek]
first aid kit	n	elsősegélydoboz[elsősegélydobozok]
fire alarm	n	tűzjelző[tűzjelzők] ; tűzriadó
smoke alarm	n	füstjelző[füstjelzők]
emergency exit	n	vészkijárat[vészkijáratok,3sg=vészkijárata]
fire exit	n	vészkijárat[vészkijáratok,3sg=vészkijárata]
assembly point	n	gyülekezőhely[gyülekezőhelyek,3sg=gyülekezőhelye]
curfew	n	kijárási tilalom[tilalmak,acc=tilalmat,3sg=tilalma,poss=tilalma,sup=tilalmon]
lockdown	n	zárlat[zárlatok,3sg=zárlata] ; kijárási korlátozás
outbreak	n	kitörés[kitörések] ; járvány
pandemic	n	világjárvány[világjárványok]
quarantine	n	karantén[karanténok,3sg=karanténja,in=ban]
homeless	adj	hajléktalan
devastating	adj	pusztító ; lesújtó
uninhabitable	adj	lakhatatlan
extinguish	v	el|olt
devastate	v	el|pusztít ; le|sújt
ravage	v	pusztít ; fel|dúl
# science and research
researcher	n	kutató[kutatók,person]
lab	n	labor[laborok,3sg=laborja,in=ban] ; laboratórium
specimen	n	példány[példányok] ; minta
gene	n	gén[gének,3sg=génje]
genetics	n	genetika[genetikák]
molecule	n	molekula[molekulák]
atom	n	atom[atomok,3sg=atomja]
astronomy	n	csillagászat
geology	n	geológia[geológiák] ; földtan
physicist	n	fizikus[fizikusok,person]
biologist	n	biológus[biológusok,person]
astronomer	n	csillagász[csillagászok,person]
solar system	n	naprendszer[naprendszerek,3sg=naprendszere]
galaxy	n	galaxis[galaxisok] ; csillagrendszer
telescope	n	távcső[távcsövek,acc=távcsövet,3sg=távcsöve,poss=távcsöve]
microscope	n	mikroszkóp[mikroszkópok,3sg=mikroszkópja]
spacecraft	n	űrhajó[űrhajók] ; űreszköz
spaceship	n	űrhajó[űrhajók]
space station	n	űrállomás[űrállomások]
space probe	n	űrszonda[űrszondák]
rocket	n	rakéta[rakéták]
astronaut	n	űrhajós[űrhajósok,person]
gravity	n	gravitáció ; nehézségi erő
radiation	n	sugárzás[sugárzások]
clinical trial	n	klinikai vizsgálat
peer review	n	szakmai lektorálás
study	n	tanulmány[tanulmányok] ; tanulás
statistics	n	statisztika[statisztikák]
data set	n	adathalmaz[adathalmazok]
dataset	n	adathalmaz[adathalmazok]
artificial intelligence	n	mesterséges intelligencia
robot	n	robot[robotok,3sg=robotja]
inventor	n	feltaláló[feltalálók,person]
genetic	adj	genetikai ; genetikus
biological	adj	biológiai
clinical	adj	klinikai
microscopic	adj	mikroszkopikus ; parányi
analyse	v	elemez ; vizsgál
detect	v	ki|mutat ; észlel
emit	v	ki|bocsát
orbit	v	kering[noobj]
clone	v	klónoz
patent	v	szabadalmaztat
# the environment
carbon footprint	n	ökológiai lábnyom ; szén-dioxid-kibocsátás
net zero	n	nettó nulla kibocsátás
landfill	n	hulladéklerakó[hulladéklerakók]
pollutant	n	szennyező anyag
plastic waste	n	műanyag hulladék
recycling bin	n	szelektív kuka ; szelektív hulladékgyűjtő
ice cap	n	jégsapka[jégsapkák]
ozone	n	ózon[3sg=ózonja]
coral reef	n	korallzátony[korallzátonyok]
nature reserve	n	természetvédelmi terület
national park	n	nemzeti park[in=ban]
pesticide	n	növényvédő szer ; rovarirtó
fertilizer	n	műtrágya[műtrágyák] ; trágya
nuclear power	n	atomenergia ; nukleáris energia
nuclear power plant	n	atomerőmű[atomerőművek,acc=atomerőművet,3sg=atomerőműve]
power station	n	erőmű[erőművek,acc=erőművet,3sg=erőműve]
power plant	n	erőmű[erőművek,acc=erőművet,3sg=erőműve]
electric vehicle	n	elektromos jármű
hydrogen	n	hidrogén[front,3sg=hidrogénje]
oxygen	n	oxigén[front,3sg=oxigénje]
methane	n	metán[3sg=metánja]
environmentalist	n	környezetvédő[környezetvédők,person]
environmental protection	n	környezetvédelem[környezetvédelmek,acc=környezetvédelmet,3sg=környezetvédelme,poss=környezetvédelme,sup=környezetvédelmen]
water shortage	n	vízhiány[vízhiányok]
erosion	n	erózió ; kopás
ecological	adj	ökológiai
organic	adj	organikus ; szerves
# culture: the arts, books, music, film and the stage
premiere	n	bemutató[bemutatók,at=n,for=ra,to=ra] ; ősbemutató
art gallery	n	képtár[képtárak,3sg=képtára,in=ban] ; galéria
film director	n	filmrendező[filmrendezők,person]
playwright	n	drámaíró[drámaírók,person] ; színműíró
composer	n	zeneszerző[zeneszerzők,person]
choir	n	kórus[kórusok] ; énekkar
opera	n	opera[operák]
opera house	n	operaház[operaházak,3sg=operaháza,in=ban]
lyrics	n	dalszöveg[dalszövegek,3sg=dalszövege]
gig	n	fellépés[fellépések] ; koncert
venue	n	helyszín[helyszínek,3sg=helyszíne]
documentary	n	dokumentumfilm[dokumentumfilmek,3sg=dokumentumfilmje]
sequel	n	folytatás[folytatások]
soundtrack	n	filmzene[filmzenék]
award ceremony	n	díjátadó[díjátadók,at=n] ; díjátadó ünnepség
nominee	n	jelölt[jelöltek,person]
bestseller	n	sikerkönyv[sikerkönyvek,3sg=sikerkönyve] ; bestseller
fiction	n	szépirodalom[szépirodalmak,acc=szépirodalmat,3sg=szépirodalma,poss=szépirodalma,sup=szépirodalmon] ; kitaláció
heroine	n	hősnő[hősnők,person]
painter	n	festő[festők,person] ; festőművész
sculptor	n	szobrász[szobrászok,person]
curator	n	kurátor[kurátorok,person]
heritage	n	örökség[örökségek]
cultural heritage	n	kulturális örökség
world heritage site	n	világörökségi helyszín
photography	n	fényképezés ; fotográfia
dancer	n	táncos[táncosok,person]
rehearsal	n	próba[próbák]
audition	n	meghallgatás[meghallgatások]
applause	n	taps[tapsok]
screening	n	vetítés[vetítések] ; szűrés
showing	n	vetítés[vetítések] ; bemutatás
trailer	n	előzetes[előzetesek] ; utánfutó[when=tow/pull/attach/hitch]
blockbuster	n	kasszasiker[kasszasikerek,3sg=kasszasikere]
leading role	n	főszerep[főszerepek,3sg=főszerepe]
main character	n	főszereplő[főszereplők,person]
pop star	n	popsztár[popsztárok,3sg=popsztárja,pp=popsztárjai,person]
rock band	n	rockegyüttes[rockegyüttesek] ; rockzenekar
folk music	n	népzene[népzenék]
classical music	n	komolyzene[komolyzenék] ; klasszikus zene
art exhibition	n	művészeti kiállítás ; tárlat
book fair	n	könyvvásár[könyvvásárok,3sg=könyvvására,at=n]
film festival	n	filmfesztivál[filmfesztiválok,3sg=filmfesztiválja,at=n]
short story	n	novella[novellák] ; elbeszélés
biography	n	életrajz[életrajzok,3sg=életrajza]
autobiography	n	önéletrajz[önéletrajzok,3sg=önéletrajza]
memoir	n	emlékirat[emlékiratok,3sg=emlékirata] ; visszaemlékezés
novelist	n	regényíró[regényírók,person]
translator	n	fordító[fordítók,person]
literary	adj	irodalmi
acclaimed	adj	elismert ; ünnepelt
award-winning	adj	díjnyertes ; díjazott
theatrical	adj	színházi
best-selling	adj	sikeres ; legkelendőbb
animated	adj	animációs ; élénk
rehearse	v	próbál
premiere	v	bemutat
# manners of speaking and thinking
sympathize	v	együtt|érez[noobj,with=val]
prioritize	v	rangsorol ; előnyben |részesít
finalize	v	véglegesít ; le|zár
authorize	v	engedélyez ; fel|hatalmaz
minimize	v	minimalizál ; csökkent
maximize	v	maximalizál ; növel
utilize	v	hasznosít ; fel|használ
remark	v	meg|jegyez
gossip	v	pletykál[noobj,about=rol]
presume	v	fel|tételez ; vél
ponder	v	töpreng[noobj,on=n] ; fontolgat
clarify	v	tisztáz ; pontosít
shrug	v	vállat |von[noobj]
frown	v	homlokot |ráncol[noobj,at=ra]
brainstorm	v	ötletel[noobj]
daydream	v	ábrándozik[noobj]
misunderstand	v	félre|ért
misinterpret	v	félre|értelmez
overhear	v	ki|hallgat ; véletlenül |meghall
eavesdrop	v	hallgatózik[noobj]
rant	v	dühöng[noobj] ; szónokol
preach	v	prédikál ; hirdet
# thinking and knowing: nouns and adjectives
conviction	n	meggyőződés[meggyőződések] ; elítélés
instinct	n	ösztön[ösztönök,3sg=ösztöne]
viewpoint	n	nézőpont[nézőpontok,3sg=nézőpontja]
point of view	n	nézőpont[nézőpontok,3sg=nézőpontja] ; szempont
apology	n	bocsánatkérés[bocsánatkérések]
praise	n	dicséret[dicséretek,3sg=dicsérete]
whisper	n	suttogás[suttogások]
sigh	n	sóhaj[sóhajok,acc=sóhajt,3sg=sóhaja]
nod	n	bólintás[bólintások]
misunderstanding	n	félreértés[félreértések]
dilemma	n	dilemma[dilemmák]
reasoning	n	érvelés[érvelések] ; gondolkodás
common sense	n	józan ész
sceptical	adj	szkeptikus ; kételkedő
skeptical	adj	szkeptikus ; kételkedő
doubtful	adj	kétséges ; kételkedő
convinced	adj	meggyőződött[of=rol] ; biztos
aware	adj	tudatában[of=nak,van] ; tudatos
unaware	adj	nem tudatában[of=nak,van]
outspoken	adj	szókimondó
tactful	adj	tapintatos
frank	adj	őszinte ; nyílt
explicit	adj	kifejezett ; egyértelmű
implicit	adj	burkolt ; hallgatólagos
rhetorical	adj	szónoki ; retorikai
# phrasal verbs with their own Hungarian verb and case (tenth round)
walk out	v	ki|vonul[noobj,of=bol] ; sztrájkol[noobj,when=teacher/worker/staff/nurse/doctor/employee/union/driver/miner/pilot] ; sztrájkba |lép[noobj] ; ki|sétál[noobj]
carry out	v	végre|hajt ; el|végez
go ahead	v	meg|valósul[noobj] ; bele|vág[noobj,with=ba]
bring about	v	elő|idéz ; okoz
bring down	v	le|dönt ; csökkent
bring forward	v	előre|hoz
bring in	v	be|vezet ; be|hoz
bring out	v	ki|ad ; ki|hoz
call on	v	fel|szólít ; meg|látogat
come on	v	fel|gyullad[noobj,when=light/lamp/lights/bulb/heating/heater/screen] ; el|kezdődik[noobj]
come out	v	meg|jelenik[noobj] ; ki|jön[noobj] ; ki|süt[noobj,when=sun]
come up with	v	elő|áll[noobj,obj=val] ; ki|talál
cut down	v	ki|vág ; csökkent
die out	v	ki|hal[noobj]
fall apart	v	szét|esik[noobj]
fall through	v	meg|hiúsul[noobj]
give away	v	el|ajándékoz ; el|árul
go off	v	meg|szólal[noobj] ; fel|robban[noobj,when=bomb/explosive/device/grenade/mine/firework/charge] ; meg|savanyodik[noobj,when=milk/cream] ; meg|romlik[noobj,when=food/meat/fish/chicken/cheese/fruit/vegetables/yoghurt/yogurt/butter/egg/eggs/leftovers/sandwich]
go through	v	át|megy[noobj,obj=n] ; át|néz
go out of business	v	tönkre|megy[noobj]
hold up	v	fel|tart ; fel|emel
hold back	v	vissza|tart
keep up	v	lépést |tart[noobj,with=val] ; fenn|tart
let down	v	cserben |hagy ; le|enged
look back	v	vissza|tekint[noobj,on=ra] ; vissza|néz[noobj]
pass away	v	meg|hal[noobj] ; el|huny[noobj]
put forward	v	elő|terjeszt ; javasol
rule out	v	ki|zár
run over	v	el|üt
set aside	v	félre|tesz
stand out	v	ki|tűnik[noobj]
step up	v	fokoz ; fel|lép[noobj]
take on	v	el|vállal ; fel|vesz
take up	v	el|kezd ; el|foglal
tear down	v	le|bont
wear out	v	el|használ ; ki|merít
wipe out	v	el|pusztít ; el|töröl
back down	v	meg|hátrál[noobj]
bail out	v	ki|ment
close down	v	be|zár[intr=be|zár]
crack down	v	le|csap[noobj,on=ra]
draw up	v	ki|dolgoz ; össze|állít
hit back	v	vissza|vág[noobj]
phase out	v	ki|vezet ; fokozatosan |megszüntet
scale back	v	vissza|fog ; csökkent
sell off	v	ki|árusít ; el|ad
spell out	v	ki|fejt ; részletez
step back	v	vissza|lép[noobj]
walk away	v	el|sétál[noobj] ; ki|száll[noobj,from=bol]
win over	v	meg|nyer
wrap up	v	be|fejez ; be|csomagol
sum up	v	össze|foglal
speak up	v	fel|szólal[noobj] ; hangosabban |beszél[noobj]
opt out	v	ki|marad[noobj,of=bol] ; ki|lép[noobj,of=bol]
take down	v	le|vesz ; le|jegyez
take apart	v	szét|szed
put together	v	össze|rak ; össze|állít
put back	v	vissza|tesz[in=ba,on=ra,into=ba] ; el|halaszt
pay back	v	vissza|fizet
pick on	v	piszkál ; szekál
look down on	v	le|néz
catch up with	v	utol|ér
keep on	v	folytat ; tovább|csinál
give out	v	ki|oszt ; fel|mond[noobj]
hang out	v	lóg[noobj,with=val] ; ki|akaszt ; ki|tereget[when=washing/laundry/clothes/sheets/towels]
chill out	v	lazít[noobj] ; pihen[noobj]
cheer up	v	fel|vidul[noobj]
freak out	v	ki|borul[noobj]
show off	v	henceg[noobj] ; fel|vág[noobj]
mess up	v	el|ront ; el|szúr
clear out	v	ki|takarít
# set phrases and adverbials of any page (tenth round)
as a precaution	adv	óvintézkedésként ; elővigyázatosságból
as planned	adv	a tervek szerint ; tervszerűen
as expected	adv	ahogy várható volt ; a várakozásoknak megfelelően
as usual	adv	szokás szerint ; mint általában
as a rule	adv	általában ; rendszerint
as a whole	adv	egészében ; összességében
as a result	adv	ennek eredményeként ; ennek következtében
as far as possible	adv	amennyire lehet ; lehetőség szerint
at present	adv	jelenleg ; most
at the latest	adv	legkésőbb
at the earliest	adv	legkorábban
at the end of the day	adv	végső soron ; a nap végén
at random	adv	véletlenszerűen ; találomra
at short notice	adv	rövid határidővel ; rövid időn belül
at all costs	adv	mindenáron
at any rate	adv	mindenesetre
at times	adv	időnként ; olykor
at heart	adv	legbelül ; szíve mélyén
by chance	adv	véletlenül
by hand	adv	kézzel
by heart	adv	kívülről ; fejből
by far	adv	messze ; messzemenően
by now	adv	mostanra ; mára
by then	adv	addigra
in a hurry	adv	sietve ; sietősen
in private	adv	négyszemközt ; magánéletben
in vain	adv	hiába ; hiábavalóan
in particular	adv	különösen ; főleg
in full	adv	teljes egészében ; teljesen
in detail	adv	részletesen
in short	adv	röviden ; egyszóval
in brief	adv	röviden
in other words	adv	más szóval ; vagyis
in addition	adv	ezenkívül ; továbbá
in any case	adv	mindenesetre ; mindenképpen
in the long run	adv	hosszú távon ; végső soron
in the long term	adv	hosszú távon
in the short term	adv	rövid távon
in the near future	adv	a közeljövőben ; hamarosan
in the past	adv	korábban ; a múltban
in the future	adv	a jövőben
in return	adv	cserébe ; viszonzásul
in turn	adv	sorra ; viszont
in secret	adv	titokban
at the ready	adv	készenlétben
in silence	adv	csendben ; szótlanul
in a way	adv	bizonyos értelemben ; valamilyen módon
in practice	adv	a gyakorlatban
in theory	adv	elméletben ; elvileg
in principle	adv	elvben ; elvileg
on the whole	adv	összességében ; egészében véve
on the one hand	adv	egyrészt
on schedule	adv	menetrend szerint ; időben
ahead of schedule	adv	a tervezettnél korábban ; határidő előtt
behind schedule	adv	késésben ; a tervezettnél később
on and off	adv	időnként ; megszakításokkal
off and on	adv	időnként ; megszakításokkal
for good	adv	végleg ; örökre
for sure	adv	biztosan ; egészen biztosan
for ever	adv	örökre ; mindörökké
for a change	adv	a változatosság kedvéért
for ages	adv	évek óta ; nagyon régóta
for the most part	adv	nagyrészt ; többnyire
for the first time in years	adv	évek óta először
from then on	adv	attól fogva ; onnantól
from scratch	adv	a nulláról ; elölről
once again	adv	ismét ; még egyszer
once more	adv	még egyszer ; ismét
over and over	adv	újra meg újra ; többször
over and over again	adv	újra meg újra
again and again	adv	újra és újra ; ismételten
day by day	adv	napról napra
step by step	adv	lépésről lépésre
little by little	adv	apránként ; fokozatosan
bit by bit	adv	apránként ; fokozatosan
one by one	adv	egyenként ; egyesével
side by side	adv	egymás mellett
face to face	adv	szemtől szemben ; személyesen
back to back	adv	egymás után ; háttal egymásnak
all of a sudden	adv	hirtelen ; egyszer csak
all along	adv	végig ; kezdettől fogva
all in all	adv	mindent összevetve ; összességében
above all	adv	mindenekelőtt ; elsősorban
after all	adv	végül is ; elvégre
more or less	adv	többé-kevésbé ; nagyjából
sooner rather than later	adv	minél előbb
no longer	adv	már nem ; többé nem
so to speak	adv	úgymond ; hogy úgy mondjam
to some extent	adv	bizonyos mértékig
to a large extent	adv	nagymértékben ; nagyrészt
without a doubt	adv	kétségkívül
without doubt	adv	kétségkívül
under way	adj	folyamatban[van] ; zajló
out of control	adj	irányíthatatlan ; ellenőrizhetetlen
in charge	adj	felelős[of=ert] ; illetékes
under pressure	adj	nyomás alatt[van]
in progress	adj	folyamatban[van]
on strike	adj	sztrájkban[van] ; sztrájkoló
on duty	adj	szolgálatban[van] ; ügyeletes
off duty	adj	szolgálaton kívül[van]
on board	adj	fedélzeten[van]
on hold	adj	felfüggesztve[van] ; szüneteltetett
on track	adj	jó úton[van]
at stake	adj	kockán[van] ; tétben
in debt	adj	eladósodott ; adós
out of work	adj	munkanélküli ; állás nélküli
out of breath	adj	kifulladt ; lihegő
out of reach	adj	elérhetetlen
out of town	adj	városon kívül[van]
out of sight	adj	nem látható ; láthatatlan
up for sale	adj	eladó
on display	adj	kiállítva[van] ; látható
# conflict, the military and security
navy	n	haditengerészet[haditengerészetek]
air force	n	légierő[légierők]
armed forces	n	fegyveres erők
airstrike	n	légicsapás[légicsapások]
air strike	n	légicsapás[légicsapások]
drone	n	drón[drónok,3sg=drónja] ; zúgás
offensive	n	offenzíva[offenzívák] ; támadás
civil war	n	polgárháború[polgárháborúk]
peace deal	n	békemegállapodás[békemegállapodások]
truce	n	fegyverszünet[fegyverszünetek,3sg=fegyverszünete]
refugee camp	n	menekülttábor[menekülttáborok,3sg=menekülttábora,in=ban]
asylum seeker	n	menedékkérő[menedékkérők,person]
border control	n	határellenőrzés[határellenőrzések]
checkpoint	n	ellenőrzőpont[ellenőrzőpontok,3sg=ellenőrzőpontja]
terror attack	n	terrortámadás[terrortámadások]
gunman	n	fegyveres[fegyveresek,person]
security forces	n	biztonsági erők
alliance	n	szövetség[szövetségek]
retreat	v	vissza|vonul[noobj]
# society, religion and daily life in the news
local council	n	önkormányzat[önkormányzatok,3sg=önkormányzata] ; helyi önkormányzat
mosque	n	mecset[mecsetek,3sg=mecsete,in=ban]
synagogue	n	zsinagóga[zsinagógák,in=ban]
bishop	n	püspök[püspökök,person]
pope	n	pápa[pápák,person]
inequality	n	egyenlőtlenség[egyenlőtlenségek]
racism	n	rasszizmus
homelessness	n	hajléktalanság
emigrate	v	ki|vándorol[noobj,to=ba]
immigrate	v	be|vándorol[noobj,to=ba]
donate	v	adományoz ; adakozik[noobj,to=nak]
secular	adj	világi
vulnerable	adj	kiszolgáltatott ; sebezhető
disadvantaged	adj	hátrányos helyzetű
# figures and trends: the nouns and adjectives of any report
record high	n	rekordmagasság[rekordmagasságok] ; csúcs
record low	n	mélypont[mélypontok,3sg=mélypontja]
all-time high	n	történelmi csúcs ; minden idők csúcsa
ratio	n	arány[arányok,3sg=aránya] ; hányados
milestone	n	mérföldkő[mérföldkövek,acc=mérföldkövet,3sg=mérföldköve,poss=mérföldköve]
gradual	adj	fokozatos
slight	adj	enyhe ; csekély
marginal	adj	csekély ; marginális
unprecedented	adj	példátlan ; soha nem látott
year-long	adj	egyéves ; egész éves
week-long	adj	egyhetes ; egész hetes
month-long	adj	egy hónapos ; hónapokig tartó
decade-long	adj	évtizedes
long-term	adj	hosszú távú
short-term	adj	rövid távú
medium-term	adj	középtávú
nationwide	adj	országos
worldwide	adj	világméretű ; világszerte
nationwide	adv	országszerte
worldwide	adv	világszerte
steadily	adv	egyenletesen ; folyamatosan
overall	adv	összességében ; összesen
respectively	adv	illetve ; rendre
# transport and travel disruption
disruption	n	fennakadás[fennakadások] ; zavar
road closure	n	útlezárás[útlezárások]
tailback	n	kocsisor[kocsisorok,3sg=kocsisora] ; dugó
rail strike	n	vasutassztrájk[vasutassztrájkok,3sg=vasutassztrájkja]
replacement bus	n	pótlóbusz[pótlóbuszok,3sg=pótlóbusza]
rail replacement bus	n	vonatpótló busz ; pótlóbusz
departure board	n	indulási tábla ; kijelző
level crossing	n	vasúti átjáró
ring road	n	körgyűrű[körgyűrűk]
cabin crew	n	légiutas-kísérők ; személyzet
flight attendant	n	légiutas-kísérő[légiutas-kísérők,person]
reroute	v	át|irányít ; el|terel
overcrowded	adj	túlzsúfolt
congested	adj	zsúfolt ; torlódott
# public health
public health	n	közegészségügy[közegészségügyek]
health service	n	egészségügyi szolgáltatás ; egészségügyi ellátás
waiting time	n	várakozási idő
intensive care	n	intenzív osztály ; intenzív ellátás
intensive care unit	n	intenzív osztály
accident and emergency	n	sürgősségi osztály
infection rate	n	fertőzöttségi arány
variant	n	változat[változatok] ; variáns
booster	n	emlékeztető oltás ; emlékeztető
face mask	n	arcmaszk[arcmaszkok,3sg=arcmaszkja]
hand sanitizer	n	kézfertőtlenítő[kézfertőtlenítők]
social distancing	n	társadalmi távolságtartás
self-isolation	n	önkéntes elkülönítés ; elkülönülés
obesity	n	elhízás ; túlsúly
heart disease	n	szívbetegség[szívbetegségek]
dementia	n	demencia[demenciák] ; szellemi leépülés
mental health	n	mentális egészség ; lelki egészség
addiction	n	függőség[függőségek]
life expectancy	n	várható élettartam
death rate	n	halálozási arány
birth rate	n	születési arány ; születésszám
unvaccinated	adj	oltatlan ; be nem oltott
# technology and online news
data breach	n	adatszivárgás[adatszivárgások] ; adatvédelmi incidens
cyberattack	n	számítógépes támadás ; hackertámadás
cyber attack	n	számítógépes támadás ; hackertámadás
ransomware	n	zsarolóvírus[zsarolóvírusok,3sg=zsarolóvírusa]
chatbot	n	csevegőrobot[csevegőrobotok,3sg=csevegőrobotja]
algorithm	n	algoritmus[algoritmusok,3sg=algoritmusa]
tech company	n	technológiai cég
tech giant	n	technológiai óriás
smartwatch	n	okosóra[okosórák]
wearable	n	hordható eszköz
broadband	n	gyors internet ; internetkapcsolat
mobile network	n	mobilhálózat[mobilhálózatok,3sg=mobilhálózata]
misinformation	n	félretájékoztatás ; téves információ
disinformation	n	dezinformáció ; félrevezetés
censorship	n	cenzúra[cenzúrák]
surveillance	n	megfigyelés[megfigyelések]
facial recognition	n	arcfelismerés[arcfelismerések]
online	adv	online ; az interneten
hack	v	fel|tör ; meg|hekkel
censor	v	cenzúráz
# the media and journalism
newsroom	n	szerkesztőség[szerkesztőségek]
front page	n	címlap[címlapok,3sg=címlapja,on=n]
breaking news	n	rendkívüli hír ; friss hír
broadcaster	n	műsorszolgáltató[műsorszolgáltatók]
news agency	n	hírügynökség[hírügynökségek]
exclusive	n	exkluzív hír ; exkluzív riport
press release	n	sajtóközlemény[sajtóközlemények]
press freedom	n	sajtószabadság
freedom of speech	n	szólásszabadság
tabloid	n	bulvárlap[bulvárlapok,3sg=bulvárlapja]
broadsheet	n	napilap[napilapok,3sg=napilapja]
columnist	n	publicista[publicisták,person] ; rovatvezető
op-ed	n	vélemény rovat ; publicisztika
exclusive	adj	kizárólagos ; exkluzív
unconfirmed	adj	meg nem erősített ; nem megerősített
quote	v	idéz
# work and the unions in the news
labour union	n	szakszervezet[szakszervezetek,3sg=szakszervezete]
union leader	n	szakszervezeti vezető
walkout	n	munkabeszüntetés[munkabeszüntetések] ; kivonulás
industrial action	n	munkabeszüntetés[munkabeszüntetések]
picket line	n	sztrájkőrség[sztrájkőrségek]
pay dispute	n	bérvita[bérviták]
pay deal	n	bérmegállapodás[bérmegállapodások]
pay offer	n	bérajánlat[bérajánlatok,3sg=bérajánlata]
collective agreement	n	kollektív szerződés
working condition	n	munkakörülmény[munkakörülmények]
working hours	n	munkaidő[munkaidők,3sg=munkaideje]
retirement age	n	nyugdíjkorhatár[nyugdíjkorhatárok,3sg=nyugdíjkorhatára]
staff shortage	n	munkaerőhiány[munkaerőhiányok] ; létszámhiány
skills shortage	n	szakemberhiány[szakemberhiányok]
remote working	n	távmunka[távmunkák]
four-day week	n	négynapos munkahét
zero-hours contract	n	nulla órás szerződés
# schools and universities in the news
school leaver	n	végzős diák ; pályakezdő
dropout	n	lemorzsolódó diák ; iskolaelhagyó
truancy	n	iskolakerülés
league table	n	rangsor[rangsorok,3sg=rangsora] ; tabella
ranking	n	rangsor[rangsorok,3sg=rangsora] ; helyezés
inspection	n	ellenőrzés[ellenőrzések] ; szemle
school year	n	tanév[tanévek,3sg=tanéve]
academic year	n	tanév[tanévek,3sg=tanéve]
# the courts in the news
ruling	n	ítélet[ítéletek] ; határozat
prison sentence	n	börtönbüntetés[börtönbüntetések]
suspended sentence	n	felfüggesztett büntetés
plea	n	kérés[kérések] ; védekezés
prosecution	n	vádemelés[vádemelések] ; büntetőeljárás
defence lawyer	n	védőügyvéd[védőügyvédek,person] ; védő
juror	n	esküdt[esküdtek,person]
high court	n	felsőbb bíróság ; legfelsőbb bíróság
supreme court	n	legfelsőbb bíróság
court case	n	bírósági ügy ; per
miscarriage of justice	n	téves ítélet ; igazságszolgáltatási tévedés
plead guilty	v	be|ismer[noobj,to=acc] ; bűnösnek |vall[noobj]
prosecute	v	vádol ; perel
# verbs in -ise and -ize: both spellings
modernize	v	modernizál ; korszerűvé |tesz
normalize	v	normalizál ; rendez
centralize	v	központosít ; centralizál
visualize	v	el|képzel ; szemléltet
categorize	v	kategorizál ; osztályoz
characterize	v	jellemez
legalize	v	legalizál ; törvényesít
standardize	v	szabványosít ; egységesít
familiarize	v	meg|ismertet[with=val]
hospitalize	v	kórházba |szállít
jeopardize	v	veszélyeztet
optimize	v	optimalizál
penalize	v	büntet ; meg|büntet
publicize	v	reklámoz ; nyilvánosságra |hoz
revitalize	v	fel|lendít ; fel|frissít
scrutinize	v	alaposan |megvizsgál ; átvizsgál
subsidize	v	támogat ; dotál
symbolize	v	jelképez ; szimbolizál
terrorize	v	terrorizál ; rettegésben |tart
globalize	v	globalizál
digitize	v	digitalizál
sanitize	v	fertőtlenít
socialize	v	barátkozik[noobj,with=val] ; szocializál
colonize	v	gyarmatosít
fertilize	v	trágyáz ; meg|termékenyít
# the cost of living
energy bill	n	energiaszámla[energiaszámlák] ; rezsiszámla
heating bill	n	fűtésszámla[fűtésszámlák]
utility bill	n	közüzemi számla ; rezsiszámla
rent increase	n	lakbéremelés[lakbéremelések]
food bank	n	élelmiszerbank[élelmiszerbankok,3sg=élelmiszerbankja]
price cap	n	árplafon[árplafonok,3sg=árplafonja] ; ársapka
household income	n	háztartási jövedelem
disposable income	n	rendelkezésre álló jövedelem
purchasing power	n	vásárlóerő[vásárlóerők,3sg=vásárlóereje]
living standard	n	életszínvonal[életszínvonalak,3sg=életszínvonala]
standard of living	n	életszínvonal[életszínvonalak,3sg=életszínvonala]
affordable housing	n	megfizethető lakhatás ; megfizethető lakás
first-time buyer	n	első lakásvásárló
house price	n	lakásár[lakásárak,3sg=lakására] ; ingatlanár[ingatlanárak,3sg=ingatlanára]
mortgage rate	n	jelzálogkamat[jelzálogkamatok,3sg=jelzálogkamata]
payday loan	n	gyorskölcsön[gyorskölcsönök,3sg=gyorskölcsöne]
unaffordable	adj	megfizethetetlen
pricey	adj	drága ; borsos árú
hard-up	adj	pénzszűkében lévő ; szegény
well-off	adj	jómódú ; tehetős
better off	adj	jobb helyzetben[van] ; tehetősebb
worse off	adj	rosszabb helyzetben[van]
# hobbies, leisure and the garden
pastime	n	időtöltés[időtöltések] ; szórakozás
jigsaw puzzle	n	kirakós játék ; kirakó
crossword	n	keresztrejtvény[keresztrejtvények]
chess	n	sakk[3sg=sakkja]
knitting	n	kötés[kötések]
gardening	n	kertészkedés
hiking	n	túrázás[túrázások] ; gyalogtúra
fishing	n	horgászat[horgászatok] ; halászat
camping	n	kempingezés ; sátorozás
birdwatching	n	madármegfigyelés
choir practice	n	kóruspróba[kóruspróbák]
flower bed	n	virágágyás[virágágyások]
lawnmower	n	fűnyíró[fűnyírók]
watering can	n	locsolókanna[locsolókannák]
rake	n	gereblye[gereblyék]
wheelbarrow	n	talicska[talicskák]
hike	v	túrázik[noobj]
weed	v	gyomlál
prune	v	metsz ; meg|metsz
# everyday set phrases and sayings of speech
no problem	adv	semmi gond ; nem probléma
no wonder	adv	nem csoda
just in case	adv	a biztonság kedvéért ; minden eshetőségre
all the same	adv	mindazonáltal ; mégis
even so	adv	még így is ; mégis
in that case	adv	ebben az esetben ; akkor
to be honest	adv	őszintén szólva
to tell the truth	adv	az igazat megvallva
frankly speaking	adv	őszintén szólva
generally speaking	adv	általánosságban ; általában
strictly speaking	adv	szigorúan véve
# the land, the sea and the map
coastline	n	partvonal[partvonalak,3sg=partvonala]
peninsula	n	félsziget[félszigetek,3sg=félszigete,on=n]
plateau	n	fennsík[fennsíkok,3sg=fennsíkja]
slope	n	lejtő[lejtők,3sg=lejtője]
mountain range	n	hegylánc[hegyláncok,3sg=hegylánca] ; hegység
riverbank	n	folyópart[folyópartok,3sg=folyópartja]
marsh	n	mocsár[mocsarak,acc=mocsarat,3sg=mocsara,poss=mocsara]
canyon	n	kanyon[kanyonok,3sg=kanyonja]
equator	n	egyenlítő[name]
hemisphere	n	félteke[féltekék]
north pole	n	északi-sark[name]
south pole	n	déli-sark[name]
latitude	n	szélesség ; földrajzi szélesség
longitude	n	hosszúság ; földrajzi hosszúság
terrain	n	terep[terepek,3sg=terepe] ; domborzat
capital city	n	főváros[fővárosok]
outskirts	n	külterület[külterületek,3sg=külterülete] ; peremkerület
densely populated	adj	sűrűn lakott
sparsely populated	adj	ritkán lakott
landlocked	adj	tenger nélküli ; szárazföldi
tropical	adj	trópusi
# the nouns of news headlines
reshuffle	n	átalakítás[átalakítások] ; kormányátalakítás
cabinet reshuffle	n	kormányátalakítás[kormányátalakítások]
u-turn	n	pálfordulás[pálfordulások] ; visszafordulás
backlash	n	ellenreakció[ellenreakciók] ; felháborodás
outcry	n	felháborodás[felháborodások] ; tiltakozás
uproar	n	felzúdulás[felzúdulások] ; felfordulás
standoff	n	patthelyzet[patthelyzetek,3sg=patthelyzete]
stalemate	n	patthelyzet[patthelyzetek,3sg=patthelyzete] ; holtpont
deadlock	n	holtpont[holtpontok,3sg=holtpontja]
setback	n	visszaesés[visszaesések] ; kudarc
windfall	n	váratlan nyereség ; váratlan bevétel
windfall tax	n	különadó[különadók]
fallout	n	kihatás[kihatások] ; következmény
aftermath	n	utóhatás[utóhatások] ; következmény
crackdown	n	szigorú fellépés ; megtorlás
clampdown	n	szigorítás[szigorítások] ; szigorú fellépés
shake-up	n	átszervezés[átszervezések] ; átalakítás
overhaul	n	átalakítás[átalakítások] ; nagyjavítás
pledge	n	ígéret[ígéretek,3sg=ígérete] ; vállalás
vow	n	fogadalom[fogadalmak,acc=fogadalmat,3sg=fogadalma,poss=fogadalma,sup=fogadalmon] ; eskü
public inquiry	n	nyilvános vizsgálat
whistleblower	n	bejelentő[bejelentők,person] ; visszaélést bejelentő
cover-up	n	eltussolás[eltussolások]
by-election	n	időközi választás
snap election	n	előrehozott választás
hung parliament	n	többség nélküli parlament
frontrunner	n	esélyes[esélyesek,person] ; éllovas
front-runner	n	esélyes[esélyesek,person] ; éllovas
underdog	n	esélytelen[esélytelenek,person] ; kívülálló
comeback	n	visszatérés[visszatérések]
swing voter	n	bizonytalan szavazó
turning point	n	fordulópont[fordulópontok,3sg=fordulópontja]
wake-up call	n	figyelmeztetés[figyelmeztetések] ; intő jel
red tape	n	bürokrácia[bürokráciák] ; papírmunka
loophole	n	kiskapu[kiskapuk] ; joghézag
# the sense news gives a word beside its subject or object: workers who walk out strike, a
# product that goes on sale comes onto the market, one's counterpart is one's partner in office
go on sale	v	forgalomba |kerül[noobj]
counterpart	n	partner[partnerek,3sg=partnere,person] ; megfelelő
# set phrases of news, shops and devices: compounds Hungarian writes as one word, and how one
# pays or where a thing is done
power button	n	bekapcsológomb[bekapcsológombok,3sg=bekapcsológombja]
shutter button	n	exponálógomb[exponálógombok,3sg=exponálógombja]
shutter	n	redőny[redőnyök]
table top	n	asztallap[asztallapok,3sg=asztallapja]
open-air	adj	szabadtéri
skilled	adj	szakképzett
dry up	v	ki|szárad[noobj]
in cash	adv	készpénzzel
on delivery	adv	átvételkor
on the spot	adv	helyben
at the wheel	adv	a volánnál
near	adj	közeli
shut	adj	zárva[van] ; zárt
break	n	szünet[szünetek]
smoker	n	dohányos[dohányosok,person]
welcome	n	fogadtatás[fogadtatások]
face	v	szembe|néz[obj=val] ; számít[obj=ra,when=delay/disruption/queue/fine/charge/wait/cut] ; néz[obj=ra,when=sea/street/south/north/east/west/garden/park/river/lake/square/courtyard/mountain/beach]
form	v	alakít[intr=ki|alakul] ; képez ; meg|alakít[when=government/coalition/team/group/alliance/committee/band/company/partnership/union/party/club/cabinet/association] ; alkot[when=opinion/view/impression/picture/image/judgement/judgment]
address	v	foglalkozik[obj=val,when=problem/issue/concern/question/challenge/need/shortage/crisis/threat/gap/risk/cause/situation/matter/topic/subject/complaint] ; meg|szólít[when=crowd/nation/audience/meeting/conference/parliament/assembly/congress/rally/delegate/supporter/student] ; címez
# Phrasal verbs of everyday text, each with the case its Hungarian verb gives the object; a
# sense said of a thing as subject under thing=
go on	v	folytatódik[noobj,thing=tart] ; történik[noobj]
take away	v	el|vesz ; el|visz
make out	v	ki|vesz ; ki|állít[when=cheque/check/invoice/receipt/bill]
end up	v	ki|köt[noobj]
call out	v	kiált ; ki|hív[when=doctor/plumber/electrician/engineer/ambulance/police/firefighter]
turn away	v	el|fordul[noobj] ; el|küld
get into	v	be|száll[noobj,obj=ba] ; kerül[noobj,obj=ba,when=trouble/debt/difficulty/danger/mess] ; be|jut[noobj,obj=ba,when=university/college/final/semifinal/team]
account for	v	ki|tesz ; meg|magyaráz
look like	v	hasonlít[obj=ra]
go over	v	át|néz ; át|megy[noobj,obj=n,when=bridge/border/road/river/hill]
get by	v	meg|él[noobj,on=bol]
keep away	v	távol |marad[noobj,from=tol] ; távol |tart
let in	v	be|enged
let out	v	ki|enged
look down	v	le|néz[noobj,at=ra]
look over	v	át|néz
stay up	v	fenn|marad[noobj]
hang on	v	vár[noobj] ; kapaszkodik[noobj,to=ba]
live on	v	él[noobj,obj=n]
mix up	v	össze|kever
stand for	v	jelent ; tűr[when=nonsense/rudeness/behaviour/behavior]
watch out	v	vigyáz[noobj,for=ra]
focus on	v	összpontosít[noobj,obj=ra]
result in	v	okoz ; eredményez
happen to	v	történik[noobj,obj=val]
hope for	v	remél
search for	v	keres
vote for	v	szavaz[noobj,obj=ra]
die of	v	meg|hal[noobj,obj=ban]
hear of	v	hall[obj=rol]
object to	v	ellenez
write off	v	le|ír
sit up	v	fel|ül[noobj]
sit an exam	v	vizsgázik[noobj]
sit the exam	v	vizsgázik[noobj]
sit exams	v	vizsgázik[noobj]
sit the exams	v	vizsgázik[noobj]
sit an examination	v	vizsgázik[noobj]
drop in	v	be|ugrik[noobj,on=hoz]
drop by	v	be|ugrik[noobj]
join in	v	be|kapcsolódik[noobj] ; csatlakozik[noobj]
look up to	v	fel|néz[obj=ra]
look out for	v	figyel[obj=ra] ; vigyáz[obj=ra]
read out	v	fel|olvas
run off	v	el|szalad[noobj]
send back	v	vissza|küld
make up for	v	be|pótol ; kompenzál
catch on	v	el|terjed[noobj]
think over	v	át|gondol ; meg|fontol
come along	v	el|jön[noobj,with=val]
swing round	v	meg|fordul[noobj,to=ra,thing=fordul]
swing around	v	meg|fordul[noobj,to=ra,thing=fordul]
toss about	v	dobál
toss around	v	dobál
come round	v	át|jön[noobj] ; magához |tér[noobj]
come around	v	át|jön[noobj] ; magához |tér[noobj]
set about	v	hozzá|lát[noobj,obj=hoz]
take in	v	fel|fog ; be|fogad[when=refugee/stranger/orphan/cat/dog/lodger/guest/animal]
cut out	v	ki|vág ; el|hagy[when=sugar/salt/meat/alcohol/fat/bread/carbohydrate/coffee/smoking]
pass through	v	át|halad[noobj,obj=n]
provide for	v	el|tart
build up	v	fel|épít[intr=fel|halmozódik]
wind up	v	ki|köt[noobj] ; fel|húz[when=watch/clock/toy/window]
pass on	v	át|ad ; tovább|ad
pass by	v	el|halad[noobj]
get away	v	el|menekül[noobj] ; el|szabadul[noobj]
get together	v	össze|jön[noobj]
go out with	v	jár[noobj,obj=val]
break off	v	meg|szakít ; le|tör[when=branch/piece/handle/leg/arm/tip/bit]
put up	v	fel|tesz ; fel|állít[when=tent/fence/wall/sign/building/statue/shelf] ; ki|ragaszt[when=poster/notice/flyer/leaflet] ; el|szállásol[when=guest/friend/visitor/family/refugee]
come off	v	le|jön[noobj] ; le|válik[noobj]
put through	v	kapcsol[to=hoz]
count on	v	számít[obj=ra]
eat out	v	étteremben |eszik[noobj]
fall for	v	bele|szeret[obj=ba] ; be|dől[obj=nak,noobj,when=trick/lie/scam/story/line/joke]
give off	v	áraszt ; ki|bocsát
hang around	v	lóg[noobj] ; álldogál[noobj]
keep out	v	távol |tart ; kint |marad[noobj]
kick off	v	kezdődik[noobj] ; el|kezd
leave out	v	ki|hagy
miss out	v	le|marad[noobj,on=rol] ; ki|hagy
nod off	v	el|bóbiskol[noobj]
open up	v	ki|nyit ; meg|nyílik[noobj]
point at	v	mutat[obj=ra]
point to	v	mutat[obj=ra]
pull up	v	meg|áll[noobj] ; fel|húz ; ki|húz[when=weed/weeds/plant/carrot/root/roots/grass/flower/onion/potato/stake/nettle]
put aside	v	félre|tesz
send off	v	el|küld ; ki|állít[when=player/defender/striker/midfielder/goalkeeper/captain]
set in	v	be|áll[noobj]
shut off	v	el|zár ; ki|kapcsol
sit back	v	hátra|dől[noobj]
sleep in	v	sokáig |alszik[noobj]
start over	v	újra|kezd
stay in	v	otthon |marad[noobj]
stay out	v	kint |marad[noobj]
stick around	v	marad[noobj]
talk over	v	meg|beszél
tell off	v	le|szid
tie up	v	meg|köt ; össze|köt
track down	v	fel|kutat ; fel|derít
turn back	v	vissza|fordul[noobj]
write back	v	vissza|ír[noobj,to=nak]
smile back	v	vissza|mosolyog[noobj,at=ra]
wave back	v	vissza|integet[noobj,at=nak,to=nak]
shout back	v	vissza|kiabál[noobj,at=nak,to=nak]
bring together	v	össze|hoz
come true	v	valóra |válik[noobj]
get on with	v	ki|jön[noobj,obj=val] ; folytat[when=work/job/life/business/task]
stand up for	v	meg|véd
run after	v	kerget
add up	v	össze|ad
blow out	v	el|fúj
burn down	v	le|ég[noobj] ; fel|éget
call in	v	be|hív ; be|ugrik[noobj,when=shop/office/bank] ; huhog[noobj,when=owl]
finish off	v	be|fejez ; el|fogyaszt[when=meal/drink/food/wine/cake/soup]
fit in	v	be|illeszkedik[noobj] ; be|fér[noobj]
follow up	v	nyomon |követ
go for	v	választ ; meg|támad[when=throat/eye]
hold out	v	ki|tart[noobj] ; ki|nyújt[when=hand/arm/glass/cup/plate]
keep down	v	alacsonyan |tart
lay down	v	le|tesz ; le|fektet[when=rule/law/principle/condition/guideline]
leave behind	v	hátra|hagy ; ott|hagy
let go	v	el|enged
light up	v	ki|gyullad[noobj] ; meg|világít
lock up	v	be|zár[state]
lock out	v	ki|zár[of=bol]
pack up	v	össze|pakol ; össze|csomagol
print out	v	ki|nyomtat
round up	v	össze|gyűjt ; össze|szed ; fel|kerekít[when=number/figure/price/amount/total/sum]
run through	v	át|néz ; át|fut
sleep over	v	ott |alszik[noobj]
stay on	v	marad[noobj]
stir up	v	fel|kavar ; kelt[when=trouble/hatred/tension/anger/conflict/violence/fear]
think through	v	át|gondol
turn in	v	be|ad ; le|fekszik[noobj]
walk off	v	el|sétál[noobj]
wear off	v	el|múlik[noobj]
wind down	v	le|lassul[noobj] ; ki|kapcsolódik[noobj]
# Everyday words that had no entry
embarrassed	adj	zavarban[van] ; zavart
incredible	adj	hihetetlen
indoor	adj	fedett ; beltéri
keen	adj	lelkes ; éles
lively	adj	élénk ; eleven
grand	adj	nagyszerű ; nagy ; fenséges
okay	adj	rendben[van] ; jó[pred=jól,person,van]
# answers and words that open a reply: "Yes, I'm fine", "No, thank you", "Well, I don't know"
yes	adv	igen
no	adv	nem
oh	adv	ó
okay	adv	rendben
ok	adv	rendben
well done	adv	szép munka
latter	adj	utóbbi
dominant	adj	uralkodó ; domináns
vocational	adj	szakmai
additional	adj	további ; kiegészítő ; pótlólagos
considerable	adj	jelentős ; tekintélyes
sufficient	adj	elegendő ; elég
vast	adj	hatalmas ; óriási
visual	adj	vizuális ; látható
mere	adj	puszta
prior	adj	korábbi ; előzetes
prominent	adj	kiemelkedő ; neves ; kiálló
suburban	adj	külvárosi ; kertvárosi
universal	adj	egyetemes ; általános
intense	adj	intenzív ; erős ; heves
profound	adj	mély ; alapos
convenient	adj	kényelmes ; alkalmas
numerous	adj	számos ; sok
desirable	adj	kívánatos
electrical	adj	elektromos
impressive	adj	lenyűgöző ; hatásos
metropolitan	adj	nagyvárosi ; fővárosi
peculiar	adj	különös ; sajátos ; furcsa
swift	adj	gyors ; sebes
theological	adj	teológiai
uneasy	adj	nyugtalan ; kényelmetlen
definite	adj	határozott ; biztos
inadequate	adj	elégtelen ; nem megfelelő
physiological	adj	élettani ; fiziológiai
bacterial	adj	bakteriális
presently	adv	jelenleg ; hamarosan
rapidly	adv	gyorsan ; rohamosan
moreover	adv	ráadásul ; továbbá
essentially	adv	lényegében
primarily	adv	elsősorban ; főként
practically	adv	gyakorlatilag ; szinte
greatly	adv	nagyban ; nagymértékben
similarly	adv	hasonlóan
simultaneously	adv	egyszerre ; egyidejűleg
considerably	adv	jelentősen ; jóval
furthermore	adv	továbbá ; ráadásul
readily	adv	készségesen ; könnyen
swiftly	adv	gyorsan ; sebesen
increasingly	adv	egyre inkább
presumably	adv	feltehetően ; valószínűleg
evidently	adv	nyilvánvalóan ; láthatóan
thereby	adv	ezáltal ; így
wildly	adv	vadul

# --- everyday words of any page, by part of speech (eleventh round)
# nouns whose word the dictionary gives a rare sense for ("set": "szilárd", "county": "grófság")
# or that had an entry only as a verb, so "of" after them found no possessor
set	n	készlet[készletek] ; játszma[when=first/second/third/fourth/fifth/final/opening/deciding/straight/win/lose/won/lost]
right	n	jog[jogok,to=hoz] ; jobb oldal[when=on/to]
control	n	irányítás ; ellenőrzés
cover	n	borító ; fedél[fedelek] ; takaró
lead	n	vezetés ; nyom[nyomok,when=police/new/strong/promising/follow/detective]
release	n	megjelenés ; szabadon bocsátás[when=prisoner/hostage/detainee/early]
pass	n	belépő ; bérlet[when=bus/train/travel/season/monthly/weekly/annual/rail/ski]
dance	n	tánc[táncok]
cry	n	kiáltás ; sírás
blow	n	csapás ; ütés
flow	n	áramlás ; folyás
stand	n	állvány ; lelátó[when=main/home/grand/packed/full/stadium]
facility	n	létesítmény ; lehetőség
county	n	megye[attr=megyei]
hen	n	tyúk[tyúkok,3sg=tyúkja,pp=tyúkjai]
behaviour	n	viselkedés[viselkedések]
bin	n	kuka ; szemetes
consumer	n	fogyasztó[person]
defence	n	védelem[védelmek] ; védekezés
favour	n	szívesség[szívességek] ; kegy[kegyek]
fame	n	hírnév[hírnevek]
grain	n	gabona ; szem[szemek]
margin	n	különbség[különbségek,by=val] ; margó
monitor	n	monitor[monitorok] ; képernyő
width	n	szélesség[szélességek]
cut	n	vágás ; csökkentés[when=tax/price/rate/interest/pay/job/budget/spending/cost/wage/salary/benefit] ; megszorítás[pl]
lie	n	hazugság
cross	n	kereszt[keresztek]
mix	n	keverék[keverékek]
make-up	n	smink[sminkek,3sg=sminkje,pp=sminkjei]
combination	n	kombináció ; összetétel
# verbs that had an entry only as nouns ("place", "hand", "question") or none, where the
# dictionary's first sense misleads ("sound": "mér", "range": "rendez", "spin": a noun)
place	v	tesz[in=ba,on=ra] ; helyez[in=ba,on=ra] ; le|ad[when=order/bet]
bear	v	el|visel ; visel[when=name/cost/costs/responsibility/brunt/scar/mark/weight/fruit]
base	v	alapoz[on=n,pass=alapul]
sound	v	tűnik[noobj]
name	v	el|nevez ; ki|nevez[when=coach/manager/minister/director/captain/ambassador/chairman/successor/head/chief]
question	v	meg|kérdőjelez ; ki|hallgat[person]
succeed	v	sikerrel |jár[noobj] ; követ[person]
range	v	terjed[noobj,from=tol,to=ig]
devote	v	szentel[to=nak]
cease	v	be|szüntet[intr=meg|szűnik]
honour	v	tisztel ; ki|tüntet
honor	v	tisztel ; ki|tüntet
hand	v	oda|ad[to=nak] ; át|ad[to=nak]
gaze	v	bámul[noobj,at=ra]
rule	v	ki|mond ; kormányoz[when=country/kingdom/empire/land/nation/island/province/state/region/city]
resemble	v	hasonlít[obj=ra]
undergo	v	át|esik[obj=n]
grasp	v	meg|ragad ; fel|fog[when=idea/concept/meaning/point/situation/importance/significance/problem]
finance	v	finanszíroz
weep	v	sír[noobj]
cooperate	v	együttműködik[noobj,with=val]
instruct	v	utasít ; tanít
evaluate	v	értékel ; ki|értékel
amount	v	ki|tesz[to=acc]
inquire	v	érdeklődik[noobj,about=rol]
enquire	v	érdeklődik[noobj,about=rol]
tax	v	meg|adóztat
deduct	v	le|von[from=bol]
slap	v	pofon |vág ; meg|csap
snatch	v	el|ragad ; ki|kap
assess	v	fel|mér ; értékel
command	v	parancsol[obj=nak] ; vezényel
spring	v	ugrik[noobj] ; fakad[noobj]
stem	v	ered[noobj,from=bol]
dine	v	vacsorázik[noobj] ; étkezik[noobj]
drip	v	csöpög[noobj]
phone	v	fel|hív ; telefonál[noobj,obj=nak]
film	v	forgat ; le|filmez
snore	v	horkol[noobj]
fax	v	faxol[to=nak] ; el|faxol
practise	v	gyakorol
# adjectives that had no entry or only one as a verb ("close", "mixed", "detailed": the
# dictionary's verb forms "hű", "összekever", "részletez")
close	adj	közeli[pred=közel,van,to=hoz] ; szoros[when=race/contest/match/game/result/vote/contact/cooperation/ties/relationship/friendship/call/link/links]
related	adj	kapcsolatos[to=val] ; rokon
detailed	adj	részletes
mixed	adj	vegyes
encouraging	adj	biztató
fashionable	adj	divatos
historic	adj	történelmi
holy	adj	szent
massive	adj	hatalmas
multiple	adj	többszörös ; számos
mutual	adj	kölcsönös
relevant	adj	lényeges ; releváns
shallow	adj	sekély
vital	adj	létfontosságú[for=hoz]
bottom	adj	alsó
vigorous	adj	erőteljes
# names of several words, each capitalised
united states	n	egyesült államok[name]
united kingdom	n	egyesült királyság[name]
european union	n	európai unió[name]
new york	n	new york[name]
# adverbs of manner, frequency and comment that had no entry, or one only as an adjective
# ("better": "több", "close": "hű"), or whose dictionary sense misleads ("happily": "véletlenül")
frankly	adv	őszintén ; nyíltan
freely	adv	szabadon
happily	adv	boldogan
newly	adv	újonnan
nicely	adv	szépen
outdoors	adv	a szabadban ; kint
potentially	adv	potenciálisan ; esetleg
reportedly	adv	állítólag
sincerely	adv	őszintén
thankfully	adv	szerencsére
warmly	adv	melegen
weekly	adv	hetente
pretty	adv	elég ; eléggé
successfully	adv	sikeresen
better	adv	jobban
best	adv	legjobban
close	adv	közel[to=hoz]
long	adv	sokáig
# nouns of news, work, health and stories whose dictionary sense is rare or missing ("cop":
# "cséve", "maid": "hajadon", "jazz": "zenebona", "hay": "körtánc")
corporation	n	vállalat[vállalatok] ; társaság
spectrum	n	spektrum[spektrumok]
salesman	n	ügynök[ügynökök,person] ; eladó
observer	n	megfigyelő[person]
cop	n	zsaru[person]
curiosity	n	kíváncsiság
liquor	n	szeszes ital[italok]
hatred	n	gyűlölet[gyűlöletek]
civilization	n	civilizáció
civilisation	n	civilizáció
antibody	n	ellenanyag[ellenanyagok] ; antitest
psychologist	n	pszichológus[person]
scope	n	hatókör[hatókörök]
legend	n	legenda
classification	n	osztályozás ; besorolás
avocado	n	avokádó
sentiment	n	hangulat[hangulatok] ; érzelem[érzelmek]
maid	n	szobalány[szobalányok,person]
clergyman	n	pap[papok,3sg=papja,pp=papjai,person]
punishment	n	büntetés
electron	n	elektron[elektronok,3sg=elektronja,pp=elektronjai]
thinking	n	gondolkodás
salvation	n	üdvösség ; megváltás
roadway	n	úttest[úttestek]
pottery	n	kerámia
hay	n	széna
brightness	n	fényerő ; világosság
voltage	n	feszültség
survival	n	túlélés[front]
killing	n	gyilkosság
commerce	n	kereskedelem[kereskedelmek]
businessman	n	üzletember[üzletemberek,person]
treasury	n	kincstár[kincstárak]
therapist	n	terapeuta[person]
sergeant	n	őrmester[őrmesterek,person]
plank	n	deszka
odour	n	szag[szagok]
odor	n	szag[szagok]
momentum	n	lendület[lendületek]
gentleman	n	úr[urak,3sg=ura,pp=urai,person]
gadget	n	kütyü
synthesis	n	szintézis
livestock	n	állatállomány[állatállományok] ; jószág
angel	n	angyal[angyalok]
tomb	n	sír[sírok,3sg=sírja,pp=sírjai]
successor	n	utód[utódok,person]
suspension	n	felfüggesztés
stability	n	stabilitás
script	n	forgatókönyv[forgatókönyvek] ; írás
realm	n	birodalom[birodalmak]
popularity	n	népszerűség
lumber	n	faanyag[faanyagok]
hormone	n	hormon[hormonok,3sg=hormonja,pp=hormonjai]
entertainment	n	szórakozás
dependence	n	függőség
bureaucracy	n	bürokrácia
appendix	n	függelék[függelékek] ; vakbél[vakbelek]
heaven	n	mennyország[mennyországok]
chapel	n	kápolna
# verbs whose dictionary word is rare, broken or missing ("deem", "withstand", "enrich")
subject	v	ki|tesz[to=nak]
total	v	ki|tesz
constitute	v	jelent ; alkot
deem	v	ítél ; tart
withhold	v	vissza|tart
collaborate	v	együttműködik[noobj,with=val]
envision	v	el|képzel
withstand	v	ki|bír
heed	v	meg|fogad
enrich	v	gazdagít
diminish	v	csökkent[intr=csökken]
dwindle	v	fogy[noobj] ; csökken[noobj]
deteriorate	v	rosszabbodik[noobj]
tilt	v	meg|dönt
originate	v	ered[noobj,from=bol] ; származik[noobj,from=bol]
mingle	v	vegyül[noobj,with=val]
inflict	v	okoz[on=nak]
entail	v	jár[obj=val]
necessitate	v	szükségessé |tesz
perceive	v	érzékel ; észlel
stamp	v	le|bélyegez
notify	v	értesít
invoke	v	hivatkozik[obj=ra]
manipulate	v	manipulál
prohibit	v	meg|tilt ; tilt
designate	v	ki|jelöl
dump	v	ki|dob ; le|rak
prompt	v	ki|vált ; késztet
reside	v	lakik[noobj]
assault	v	bántalmaz ; meg|támad
picture	v	el|képzel
hurl	v	hajít ; dob
# adjectives the dictionary gives a misleading word for ("concerned": "érdekelt", "dusty":
# "unalmas", "weary": "unalmas") or none
concerned	adj	aggódó
soviet	adj	szovjet
coloured	adj	színes
colored	adj	színes
ultimate	adj	végső
minimum	adj	minimális
wounded	adj	sebesült
probable	adj	valószínű
logical	adj	logikus
comparable	adj	összehasonlítható ; hasonló
weary	adj	fáradt ; kimerült
preliminary	adj	előzetes
literal	adj	szó szerinti
complicated	adj	bonyolult
sullen	adj	mogorva
subjective	adj	szubjektív
defensive	adj	védekező
competent	adj	hozzáértő ; alkalmas
sturdy	adj	strapabíró ; erős
philosophical	adj	filozófiai
consistent	adj	következetes ; egyenletes
spontaneous	adj	spontán
naval	adj	haditengerészeti
formidable	adj	félelmetes ; hatalmas
bloody	adj	véres
arbitrary	adj	önkényes
vicious	adj	kegyetlen ; gonosz
trivial	adj	jelentéktelen
synthetic	adj	szintetikus
solemn	adj	ünnepélyes
sensational	adj	szenzációs
intricate	adj	bonyolult
inherent	adj	eredendő
everyday	adj	mindennapi ; hétköznapi
beloved	adj	szeretett
memorable	adj	emlékezetes
explosive	adj	robbanékony ; robbanó
ethnic	adj	etnikai
disastrous	adj	katasztrofális
destructive	adj	pusztító
agricultural	adj	mezőgazdasági
orthodox	adj	ortodox
static	adj	statikus
dusty	adj	poros
mighty	adj	hatalmas
fictional	adj	kitalált
startling	adj	meghökkentő
fascinating	adj	lenyűgöző
overwhelming	adj	elsöprő
# the kitchen, the office and the phone: things and acts that had no entry ("email", "text")
prawn	n	garnélarák[garnélarákok,3sg=garnélarákja,pp=garnélarákjai]
router	n	útválasztó
scanner	n	szkenner[szkennerek]
stew	n	pörkölt[pörköltek] ; ragu
trainee	n	gyakornok[gyakornokok,person]
portable	adj	hordozható
rechargeable	adj	tölthető
email	v	e-mailben |küld[to=nak]
text	v	üzen[obj=nak]
# nouns of the long tail of the ranking whose dictionary word is rare or wrong ("summary":
# "foglalat", "monk": "barát", "abortion": "kudarc", "firecracker": "revolver")
summary	n	összefoglaló
stereo	n	hifi
statute	n	törvény[törvények]
sewer	n	csatorna
motivation	n	motiváció
monk	n	szerzetes[person]
immunity	n	védettség ; immunitás
ideology	n	ideológia
gunfire	n	lövöldözés
gown	n	ruha ; köntös
fatigue	n	fáradtság
compass	n	iránytű[iránytűk]
complication	n	szövődmény ; bonyodalom[bonyodalmak]
checklist	n	ellenőrző lista
trademark	n	védjegy[védjegyek]
tactic	n	taktika
seizure	n	roham[rohamok] ; lefoglalás
publicity	n	nyilvánosság
prophet	n	próféta[person]
propaganda	n	propaganda
planner	n	tervező[person]
nun	n	apáca[person]
nuisance	n	kellemetlenség
newcomer	n	újonc[újoncok,person] ; jövevény
mule	n	öszvér[öszvérek]
morale	n	hangulat[hangulatok]
mining	n	bányászat
metaphor	n	metafora
knob	n	gomb[gombok,3sg=gombja,pp=gombjai] ; kilincs
janitor	n	gondnok[gondnokok,person]
insulin	n	inzulin[3sg=inzulinja,pp=inzulinjai]
inspector	n	felügyelő[person] ; ellenőr[ellenőrök,person,when=ticket/tax/health/safety/school/food/building/fire/factory/bus/train/customs]
hostility	n	ellenségeskedés
hierarchy	n	hierarchia
flashlight	n	zseblámpa
firecracker	n	petárda
enforcement	n	végrehajtás ; betartatás
drainage	n	vízelvezetés
discomfort	n	kényelmetlenség
detector	n	érzékelő
bloodstream	n	véráram[véráramok]
berry	n	bogyó
biopsy	n	biopszia
auditorium	n	előadóterem[előadótermek]
warrior	n	harcos[harcosok,person]
valve	n	szelep[szelepek]
tractor	n	traktor[traktorok]
technician	n	technikus[person]
suicide	n	öngyilkosság
plumbing	n	vízvezeték[vízvezetékek]
prose	n	próza
prejudice	n	előítélet[előítéletek]
parish	n	plébánia ; egyházközség
caller	n	hívó[person]
cargo	n	rakomány[rakományok]
chunk	n	darab[darabok,3sg=darabja,pp=darabjai]
consensus	n	egyetértés ; konszenzus
intake	n	bevitel[bevitelek]
partnership	n	partnerség ; együttműködés
plantation	n	ültetvény[ültetvények]
dedication	n	elkötelezettség ; odaadás
twilight	n	alkony ; szürkület
abortion	n	abortusz
# senses a neighbour chooses for words of news and the kitchen ("bus services": "járatok",
# "the last quarter": "negyedév", "a European tour": "turné", "peppers": "paprika")
migration	n	migráció ; vándorlás[when=bird/animal/seasonal/annual/fish/whale]
ground floor	n	földszint[földszintek,front,on=n,at=n]
# what a thing turns or goes: the colour it takes as Hungarian says it, a light's colour by
# "vált" ("pirosra váltott", "elsápadt")
turn red	v	el|vörösödik[noobj] ; pirosra |vált[noobj,when=light/lights/signal]
turn green	v	ki|zöldül[noobj] ; zöldre |vált[noobj,when=light/lights/signal]
turn yellow	v	meg|sárgul[noobj]
turn pale	v	el|sápad[noobj]
turn grey	v	meg|őszül[noobj]
turn gray	v	meg|őszül[noobj]
turn cold	v	le|hűl[noobj]
go red	v	el|vörösödik[noobj]
go pale	v	el|sápad[noobj]
# what one gets to be, said as Hungarian says the change ("got angry": "dühös lett", "got
# tired": "elfáradt"), and the untruth one tells someone
get angry	v	dühös |lesz[noobj]
get worse	v	rosszabbodik[noobj]
get tired	v	el|fárad[noobj]
get wet	v	meg|ázik[noobj]
get ready	v	el|készül[noobj] ; készülődik[noobj]
get bored	v	unatkozik[noobj]
get hungry	v	meg|éhezik[noobj]
get nervous	v	ideges |lesz[noobj]
lie to	v	fekszik[obj=ra] ; hazudik[obj=nak,person] ; hazudik[obj=nak,when=lied]
hold on to	v	kapaszkodik[obj=ba] ; meg|tart
safety glasses	n	védőszemüveg[védőszemüvegek]
# --- everyday words of any page that had no entry, and the senses their neighbours choose (twelfth round)
vet	n	állatorvos[person,to=hoz,at=nal]
initial	n	kezdőbetű[kezdőbetűk]
sneak	v	oson[noobj] ; lopózik[noobj]
sow	v	vet[perf=el]
validate	v	érvényesít ; igazol
feel dizzy	v	szédül[noobj]
on a lead	adv	pórázon
on a leash	adv	pórázon
leash	n	póráz[pórázok]
dairy farm	n	tejgazdaság[tejgazdaságok]
dairy product	n	tejtermék[tejtermékek]
fishing boat	n	halászhajó
burst into tears	v	sírva |fakad[noobj]
grandad	n	nagypapa[person]
granddad	n	nagypapa[person]
granny	n	nagymama[person]
freezing	adj	fagyos ; jéghideg
freezing cold	adj	jéghideg
rainwater	n	esővíz[esővizek,front]
metre	n	méter[méterek]
kilometre	n	kilométer[kilométerek]
kilometer	n	kilométer[kilométerek]
centimetre	n	centiméter[centiméterek]
centimeter	n	centiméter[centiméterek]
millimetre	n	milliméter[milliméterek]
millimeter	n	milliméter[milliméterek]
litre	n	liter[literek]
liter	n	liter[literek]
millilitre	n	milliliter[milliliterek]
milliliter	n	milliliter[milliliterek]
gram	n	gramm[grammok,3sg=grammja,pp=grammjai]
kilogram	n	kilogramm[kilogrammok,3sg=kilogrammja,pp=kilogrammjai]
tonne	n	tonna
ton	n	tonna
mile	n	mérföld[mérföldek]
once a fortnight	adv	kéthetente
every fortnight	adv	kéthetente
ride a bike	v	biciklizik[noobj]
ride a bicycle	v	biciklizik[noobj]
engineering works	n	karbantartás[karbantartások]
# everyday nouns, verbs and adjectives of the home, the town, shops and stories that had no entry
advert	n	hirdetés[hirdetések]
alley	n	sikátor[sikátorok]
ancestor	n	ős[ősök,person]
appliance	n	készülék[készülékek]
apron	n	kötény[kötények]
archive	n	archívum[archívumok]
arena	n	aréna[to=ba,at=ban]
bead	n	gyöngy[gyöngyök]
beverage	n	ital[italok]
booklet	n	füzet[füzetek] ; brosúra
canal	n	csatorna[in=n]
canteen	n	menza[to=ba,at=ban]
cardboard	n	karton[kartonok,3sg=kartonja,pp=kartonjai]
carriage	n	kocsi
carve	v	farag
cattle	n	szarvasmarha
celebrity	n	híresség[hírességek,person]
cellar	n	pince[to=ba,at=ban]
clay	n	agyag[agyagok,3sg=agyagja,pp=agyagjai]
cloakroom	n	ruhatár[ruhatárak]
cocoa	n	kakaó
coconut	n	kókuszdió
coffin	n	koporsó
concept	n	koncepció ; fogalom[fogalmak]
cord	n	zsinór[zsinórok,3sg=zsinórja,pp=zsinórjai]
crane	n	daru[daruk]
cricket	n	krikett[krikettek]
crisp	adj	ropogós
crude oil	n	nyersolaj[nyersolajok,acc=nyersolajat]
crumb	n	morzsa
dedicate	v	szentel[to=nak]
deliberate	adj	szándékos
dial	v	tárcsáz
dim	adj	halvány ; tompa
disguise	v	álcáz
disgust	n	undor
dustbin	n	kuka
enquiry	n	érdeklődés[érdeklődések,about=rol]
era	n	korszak[korszakok]
erase	v	töröl
fairy	n	tündér[tündérek,person]
farewell	n	búcsú
flute	n	fuvola
footpath	n	ösvény[ösvények,on=n]
fossil	n	kövület[kövületek]
fulfil	v	teljesít
germ	n	baktérium[baktériumok]
giggle	v	kuncog[noobj]
ginger	n	gyömbér[gyömbérek,3sg=gyömbérje,pp=gyömbérjei]
globe	n	földgömb[földgömbök,3sg=földgömbje,pp=földgömbjei]
gloomy	adj	borús ; komor
graceful	adj	kecses
gravel	n	kavics[kavicsok]
gravy	n	mártás
groan	v	nyög[noobj]
grin	v	vigyorog[noobj,at=ra]
grin	n	vigyor[vigyorok]
hairdresser	n	fodrász[person,to=hoz,at=nal]
handkerchief	n	zsebkendő
hood	n	kapucni
housework	n	házimunka
hymn	n	himnusz[himnuszok]
vaccinated	adj	beoltott
packet	n	csomag[csomagok,3sg=csomagja]
inhabitant	n	lakos[lakosok,person]
inn	n	fogadó[to=ba,at=ban]
jelly	n	zselé
kite	n	sárkány[sárkányok]
laser	n	lézer[lézerek]
lens	n	lencse
leopard	n	leopárd[leopárdok]
librarian	n	könyvtáros[person]
lifestyle	n	életmód[életmódok]
lizard	n	gyík[gyíkok,3sg=gyíkja,pp=gyíkjai]
lottery	n	lottó
lounge	n	társalgó[to=ba,at=ban] ; váró[when=departure/departures/airport/business]
magnet	n	mágnes[mágnesek]
mainland	n	szárazföld[szárazföldek,on=n]
makeup	n	smink[sminkek,3sg=sminkje,pp=sminkjei]
mammal	n	emlős[emlősök]
mansion	n	kúria
marine	adj	tengeri
maze	n	labirintus[labirintusok]
memorial	n	emlékmű[emlékművek]
merchant	n	kereskedő[person]
misery	n	nyomorúság
mode	n	mód[módok] ; üzemmód[üzemmódok]
moisture	n	nedvesség
musician	n	zenész[person]
myth	n	mítosz[mítoszok]
norm	n	norma
oak	n	tölgy[tölgyek]
oath	n	eskü
paragraph	n	bekezdés[bekezdések]
pest	n	kártevő[kártevők]
pilgrim	n	zarándok[zarándokok,person]
pine	n	fenyő[fenyők]
pony	n	póni
priority	n	prioritás ; elsőbbség
pudding	n	puding[pudingok,3sg=pudingja,pp=pudingjai]
puppet	n	báb[bábok,3sg=bábja,pp=bábjai]
raisin	n	mazsola
ramp	n	rámpa
ransom	n	váltságdíj[váltságdíjak,3sg=váltságdíja]
razor	n	borotva
refrigerator	n	hűtőszekrény
reptile	n	hüllő
republic	n	köztársaság[köztársaságok]
ribbon	n	szalag[szalagok,3sg=szalagja]
rider	n	lovas[person]
ridge	n	gerinc[gerincek]
rifle	n	puska
saucer	n	csészealj[csészealjak]
scout	n	cserkész[person]
sewing	n	varrás
slang	n	szleng[szlengek,3sg=szlengje,pp=szlengjei]
slave	n	rabszolga[person]
sticker	n	matrica
strap	n	szíj[szíjak]
stripe	n	csík[csíkok,3sg=csíkja,pp=csíkjai]
swimsuit	n	fürdőruha
terrace	n	terasz[teraszok,to=ra,at=n]
thermometer	n	hőmérő
thorn	n	tövis[tövisek,front]
throne	n	trón[trónok,3sg=trónja]
tribe	n	törzs[törzsek]
pebble	n	kavics[kavicsok]
praise	v	dicsér[for=ert] ; meg|dicsér[for=ert]
run late	v	késik[noobj]
go for a walk	v	sétálni |megy[noobj]
go for a run	v	futni |megy[noobj]
go for a swim	v	úszni |megy[noobj]
# adjectives in "-ing" that say what a thing does to one ("shocking": "megdöbbentő")
shocking	adj	megdöbbentő
disappointing	adj	kiábrándító
surprising	adj	meglepő
frightening	adj	ijesztő
terrifying	adj	rémisztő
refreshing	adj	frissítő
satisfying	adj	kielégítő
depressing	adj	lehangoló
convincing	adj	meggyőző
inspiring	adj	inspiráló
amusing	adj	mulatságos ; szórakoztató
alarming	adj	riasztó
astonishing	adj	elképesztő
exhausting	adj	kimerítő
frustrating	adj	frusztráló
puzzling	adj	rejtélyes
stunning	adj	lenyűgöző
thrilling	adj	izgalmas
welcoming	adj	barátságos ; vendégszerető
tiring	adj	fárasztó
disgusting	adj	undorító
irritating	adj	idegesítő
misleading	adj	félrevezető
no entry	adv	tilos a belépés
baggage reclaim	n	poggyászkiadás
vegetarian	n	vegetáriánus[person]
back in stock	adv	újra raktáron[van]
flicker	v	pislákol[noobj]
fall in love	v	bele|szeret[noobj,with=ba]
shake hands	v	kezet |fog[noobj,with=val]
bend down	v	le|hajol[noobj]
wave goodbye	v	búcsút |int[noobj,to=nak]
return ticket	n	retúrjegy[retúrjegyek]
next stop	n	következő megálló
change trains	v	át|száll[noobj]
change buses	v	át|száll[noobj]
change planes	v	át|száll[noobj]
do the washing-up	v	el|mosogat[noobj]
do the dishes	v	el|mosogat[noobj]
do the shopping	v	be|vásárol[noobj]
go down	v	le|megy[obj=on] ; csökken[noobj,when=price/rate/cost/temperature/number/unemployment/inflation/sales/value/level/demand/profit/figure/crime/spending] ; ki|alszik[noobj,when=light/lights/lamp/lamps/candle/fire/lantern/torch]
application form	n	jelentkezési lap
stir in	v	bele|kever
airy	adj	levegős
reading glasses	n	olvasószemüveg[olvasószemüvegek,pair]
# what "have", "make", "catch", "lose" and "pay" mean with their everyday nouns
phone call	n	telefonhívás[telefonhívások]
make a phone call	v	telefonál[noobj]
have a shower	v	zuhanyozik[noobj]
have dinner	v	vacsorázik[noobj]
have lunch	v	ebédel[noobj]
have breakfast	v	reggelizik[noobj]
have a rest	v	pihen[noobj]
have a chat	v	beszélget[noobj,with=val]
pay attention	v	figyel[noobj,to=ra]
catch a cold	v	meg|fázik[noobj]
lose weight	v	le|fogy[noobj]
ring the bell	v	csenget[noobj]
make an appointment	v	időpontot |foglal[noobj,with=nal]
get some rest	v	pihen[noobj]
work on	v	dolgozik[obj=n]
have a nice weekend	adv	szép hétvégét
have a good weekend	adv	szép hétvégét
have a good day	adv	további szép napot
get well soon	adv	jobbulást
# adverbs of manner, degree and direction that had no entry
correctly	adv	helyesen
incredibly	adv	hihetetlenül
initially	adv	kezdetben ; eleinte
rudely	adv	gorombán
solely	adv	kizárólag
temporarily	adv	ideiglenesen
terribly	adv	szörnyen
unusually	adv	szokatlanul
willingly	adv	szívesen
backwards	adv	hátra ; visszafelé
forwards	adv	előre
indoors	adv	bent ; benn
sideways	adv	oldalra
upwards	adv	felfelé
underneath	adv	alatta ; alul
# everyday verbs that had no entry
gasp	v	zihál[noobj]
hum	v	dúdol
insult	v	meg|sért
moan	v	panaszkodik[noobj,about=rol]
pat	v	meg|simogat
pinch	v	meg|csíp
scold	v	meg|szid
skate	v	korcsolyázik[noobj]
sniff	v	szimatol
squash	v	össze|nyom
stack	v	egymásra |rak
stitch	v	össze|varr ; varr
sweat	v	izzad[noobj]
terrify	v	meg|rémít
tickle	v	csiklandoz
tug	v	rángat
tune	v	hangol
wreck	v	tönkre|tesz
# everyday adjectives that had no entry
accessible	adj	hozzáférhető
beneficial	adj	jótékony ; hasznos
bumpy	adj	göröngyös
compact	adj	kompakt
eligible	adj	jogosult[for=ra]
excessive	adj	túlzott
exotic	adj	egzotikus
favourable	adj	kedvező
filthy	adj	mocskos
gigantic	adj	hatalmas
glorious	adj	dicsőséges ; gyönyörű[when=weather/day/sunshine/morning/summer/view/afternoon]
harmless	adj	ártalmatlan
hilarious	adj	mulatságos
imaginary	adj	képzeletbeli
immense	adj	hatalmas
impolite	adj	udvariatlan
insane	adj	őrült
moist	adj	nedves
noticeable	adj	észrevehető
obedient	adj	engedelmes
old-fashioned	adj	régimódi
passionate	adj	szenvedélyes
progressive	adj	progresszív ; haladó
protective	adj	védő
risky	adj	kockázatos
rusty	adj	rozsdás
scary	adj	ijesztő
slippery	adj	csúszós
splendid	adj	nagyszerű
subsequent	adj	későbbi
subtle	adj	finom
superb	adj	kiváló
tense	adj	feszült
unexpected	adj	váratlan
unpleasant	adj	kellemetlen
verbal	adj	szóbeli
vertical	adj	függőleges
vivid	adj	élénk
# food, clothes and things of the home that had no entry
aubergine	n	padlizsán[padlizsánok,3sg=padlizsánja,pp=padlizsánjai]
blueberry	n	áfonya
broccoli	n	brokkoli
bun	n	zsemle
cauliflower	n	karfiol[karfiolok,3sg=karfiolja,pp=karfioljai]
celery	n	zeller[zellerek]
chickpea	n	csicseriborsó
cod	n	tőkehal[tőkehalak]
courgette	n	cukkini
cracker	n	keksz[kekszek]
doughnut	n	fánk[fánkok,3sg=fánkja,pp=fánkjai]
dumpling	n	gombóc[gombócok]
ketchup	n	ketchup[ketchupok,3sg=ketchupja,pp=ketchupjai]
kiwi	n	kivi
leek	n	póréhagyma
lentil	n	lencse
lobster	n	homár[homárok,3sg=homárja,pp=homárjai]
mango	n	mangó
margarine	n	margarin[margarinok,3sg=margarinja,pp=margarinjai]
mayonnaise	n	majonéz[majonézek]
meatball	n	húsgombóc[húsgombócok]
mint	n	menta
oat	n	zab[zabok,3sg=zabja,pp=zabjai]
olive	n	olajbogyó
olive oil	n	olívaolaj[olívaolajok,acc=olívaolajat]
parsley	n	petrezselyem[petrezselymek,acc=petrezselymet,3sg=petrezselyme,poss=petrezselyme,pp=petrezselymei,sup=petrezselymen]
pickle	n	savanyúság[savanyúságok]
salami	n	szalámi
sardine	n	szardínia
scone	n	pogácsa
sweetcorn	n	csemegekukorica
tofu	n	tofu
waffle	n	gofri
bikini	n	bikini
blazer	n	zakó
bra	n	melltartó
cardigan	n	kardigán[kardigánok,3sg=kardigánja,pp=kardigánjai]
nightdress	n	hálóing[hálóingek,front]
stocking	n	harisnya
tracksuit	n	melegítő
bedside table	n	éjjeliszekrény
cot	n	kiságy[kiságyak]
doormat	n	lábtörlő
hairdryer	n	hajszárító
hoover	n	porszívó
stool	n	zsámoly[zsámolyok]
washbasin	n	mosdókagyló
crocodile	n	krokodil[krokodilok,3sg=krokodilja,pp=krokodiljai]
gorilla	n	gorilla
hamster	n	hörcsög[hörcsögök]
moth	n	moly[molyok]
sunflower	n	napraforgó
tulip	n	tulipán[tulipánok,3sg=tulipánja,pp=tulipánjai]
cut up	v	fel|vág ; fel|darabol
keep off	v	távol |marad[obj=tol]
make up my mind	v	dönt[noobj]
make up your mind	v	dönt[noobj]
make up his mind	v	dönt[noobj]
make up her mind	v	dönt[noobj]
make up our minds	v	dönt[noobj]
make up their minds	v	dönt[noobj]
make up their mind	v	dönt[noobj]

# words of news, schools, shops and the table that had no entry (fourteenth corpus's round)
sugary	adj	cukros
written	adj	írásbeli ; írott
camper	n	táborozó[person] ; lakóautó[when=van]
house	v	helyet |ad[obj=nak] ; otthont |ad[obj=nak] ; be|fogad ; el|helyez
repair shop	n	javítóműhely[javítóműhelyek]
cleaner	n	takarító[person] ; tisztítószer[tisztítószerek,when=other/household/oven/glass/floor/toilet/kitchen/bathroom/surface/window/strong/chemical]
zookeeper	n	állatgondozó[person]
minus	adj	mínusz
refill	v	fel|tölt ; újra|tölt
grease	v	ki|ken
sooner	adv	hamarabb
# the time's adjective of "this", "last" or "next" time's ("this year's results": "az idei eredmények")
this year's	adj	idei
last year's	adj	tavalyi
next year's	adj	jövő évi
this week's	adj	e heti
last week's	adj	múlt heti
next week's	adj	jövő heti
this month's	adj	e havi
last month's	adj	múlt havi
next month's	adj	jövő havi
last night's	adj	tegnap esti
more and more	adj	egyre több
one at a time	adv	egyenként
it	n	informatika[cap,attr=informatikai]
on request	adv	kérésre
upon request	adv	kérésre
in record numbers	adv	rekordszámban
# words and set phrases of forms, post, gardens, insurance and letters that had no entry (fifteenth corpus's round)
rust	n	rozsda
rust	v	rozsdásodik[noobj] ; be|rozsdásodik[noobj]
gull	n	sirály
seagull	n	sirály
preferred	adj	kívánt ; előnyben részesített
live	adv	élőben
insurance company	n	biztosítótársaság[biztosítótársaságok] ; biztosító
insurance man	n	biztosítási ügynök[person]
insurance agent	n	biztosítási ügynök[person]
claim number	n	kárszám[kárszámok]
cooking class	n	főzőtanfolyam[főzőtanfolyamok,to=ra,for=ra,at=on]
cooking course	n	főzőtanfolyam[főzőtanfolyamok,to=ra,for=ra,at=on]
home address	n	lakcím[lakcímek,to=ra]
season ticket	n	bérlet[bérletek]
photo id	n	fényképes igazolvány
reception desk	n	recepció[at=n,to=ra]
emergency vehicle	n	megkülönböztető jelzésű jármű[járművek]
lower right corner	n	jobb alsó sarok[sarkok]
lower left corner	n	bal alsó sarok[sarkok]
upper right corner	n	jobb felső sarok[sarkok]
upper left corner	n	bal felső sarok[sarkok]
bottom right corner	n	jobb alsó sarok[sarkok]
bottom left corner	n	bal alsó sarok[sarkok]
top right corner	n	jobb felső sarok[sarkok]
top left corner	n	bal felső sarok[sarkok]
to taste	adv	ízlés szerint
make a wish	v	valamit |kíván[noobj]
a record number of	adj	rekordszámú
a number of	adj	számos
a large number of	adj	nagyszámú ; számos
a small number of	adj	kisszámú ; néhány
opening ceremony	n	megnyitó ünnepség[ünnepségek,to=ra,at=n]
ferry crossing	n	kompjárat[kompjáratok]
cough syrup	n	köhögés elleni szirup
cough medicine	n	köhögés elleni gyógyszer
allen key	n	imbuszkulcs[imbuszkulcsok]
reinstall	v	újra|telepít
kitchen table	n	konyhaasztal[konyhaasztalok,on=n]
railing	n	korlát[korlátok,3sg=korlátja]
doorway	n	ajtó[in=ban,at=ban,from=bol] ; ajtónyílás
fall silent	v	el|csendesedik[noobj]
bank card	n	bankkártya[bankkártyák,by=val]
bank robbery	n	bankrablás[bankrablások]
bank robber	n	bankrabló[bankrablók,person]
bank note	n	bankjegy[bankjegyek,3sg=bankjegye]
bank statement	n	bankszámlakivonat[bankszámlakivonatok]
bank loan	n	bankkölcsön[bankkölcsönök] ; banki hitel
middle of nowhere	n	semmi közepe[in=n,at=n,to=ra]
bank manager	n	bankvezető[bankvezetők,person]
kitchen door	n	konyhaajtó[konyhaajtók]
kitchen window	n	konyhaablak[konyhaablakok]
lighthouse keeper	n	világítótorony-őr[világítótorony-őrök,person]
wire rack	n	rács[rácsok,on=n]
root ball	n	földlabda[földlabdák]
delivery option	n	szállítási mód[módok]
delivery van	n	kisteherautó[kisteherautók]
veil	n	fátyol[fátylak,acc=fátylat,3sg=fátyla]
sushi	n	szusi
next door	adv	a szomszédban
job interview	n	állásinterjú[állásinterjúk,to=ra,at=n]
consent form	n	beleegyező nyilatkozat[nyilatkozatok]
registration desk	n	regisztrációs pult[pultok,at=nal,from=nal]
refreshment station	n	frissítőpont[frissítőpontok]
race number	n	rajtszám[rajtszámok]
removal van	n	költöztetőautó[költöztetőautók]
block capital	n	nyomtatott nagybetű[nagybetűk,in=val]
in block capitals	adv	nyomtatott nagybetűkkel
silent mode	n	néma üzemmód[üzemmódok,to=ba]
water bottle	n	kulacs[kulacsok]
packed lunch	n	csomagolt ebéd[ebédek]
ghost story	n	kísértettörténet[kísértettörténetek]
candlelight	n	gyertyafény[gyertyafények]
by candlelight	adv	gyertyafénynél
solar-powered	adj	napenergiás
car repair shop	n	autószerelő műhely[műhelyek]
assistant librarian	n	könyvtárosasszisztens[könyvtárosasszisztensek,person]
camping holiday	n	kempingezés[kempingezések]
train strike	n	vasutassztrájk[vasutassztrájkok,3sg=vasutassztrájkja]
finishing line	n	célvonal[célvonalak]
science fair	n	tudományos kiállítás[kiállítások,at=on,to=ra,in=on]
enclosure	n	kifutó[kifutók] ; melléklet[mellékletek]
roll	n	zsemle[zsemlék] ; tekercs[tekercsek] ; tekercs[tekercsek,when=toilet/paper/tape/film/kitchen/wallpaper]
bread roll	n	zsemle[zsemlék]
ending	n	befejezés[befejezések] ; végződés
across the country	adv	országszerte
all over the country	adv	országszerte
across the world	adv	világszerte
all over the world	adv	világszerte
apologetically	adv	bocsánatkérően
all the way	adv	végig[to=ig]
unattended	adj	felügyelet nélkül[van]
even for a minute	adv	egy percre sem
on the way to work	adv	munkába menet
on my way to work	adv	munkába menet
on his way to work	adv	munkába menet
on her way to work	adv	munkába menet
on our way to work	adv	munkába menet
on their way to work	adv	munkába menet
on your way to work	adv	munkába menet
on the way to school	adv	iskolába menet
on my way to school	adv	iskolába menet
on his way to school	adv	iskolába menet
on her way to school	adv	iskolába menet
on their way to school	adv	iskolába menet
on your way to school	adv	iskolába menet
sir	adv	uram
madam	adv	asszonyom
best man	n	tanú[tanúk,person]
car deck	n	autófedélzet[autófedélzetek]
half marathon	n	félmaraton[félmaratonok,3sg=félmaratonja]
sealed	adj	lezárt ; zárt
printed	adj	nyomtatott
falling	adj	hulló ; csökkenő[when=number/price/sales/demand/rate/temperature/level/profit/income/value/unemployment/cost/share/birthrate/support/attendance]
rising	adj	emelkedő ; növekvő[when=number/demand/unemployment/crime/tension/anger/concern/popularity/star/population]
growing	adj	növekvő
increasing	adj	növekvő
declining	adj	csökkenő
decreasing	adj	csökkenő
melting	adj	olvadó
burning	adj	égő
remaining	adj	fennmaradó ; maradék
winning	adj	győztes
surrounding	adj	környező
move	n	költözés[költözések] ; lépés[lépések,when=make/made/clever/smart/bold/wise/next/first/right/wrong/good/bad/big/political/strategic/surprise/unexpected/brave/risky/welcome/controversial/latest/false]
run	n	futás[futások] ; sorozat[sorozatok,when=defeat/win/victory/loss/success/failure/winning/losing/unbeaten/impressive/record]
provided	adj	mellékelt
completed	adj	befejezett ; kitöltött[when=form/questionnaire/application/survey/entry/coupon]
search box	n	keresőmező[keresőmezők]
text box	n	szövegmező[szövegmezők]
checkbox	n	jelölőnégyzet[jelölőnégyzetek]
check box	n	jelölőnégyzet[jelölőnégyzetek]
book club	n	olvasókör[olvasókörök,3sg=olvasóköre,attr=olvasóköri,to=ba,in=ban]
# --- The eleventh round's second part: fish a line catches, words whose plural Hungarian says in
# the singular, and set phrases of e-mail
carp	n	ponty[pontyok]
pike	n	csuka
perch	n	sügér[sügérek,3sg=sügérje,pp=sügérjei] ; ülőrúd[ülőrudak,acc=ülőrudat,3sg=ülőrúdja,when=bird/parrot/wooden]
bream	n	keszeg[keszegek]
catfish	n	harcsa
delay in replying	n	késői válasz[válaszok,for=ert]
delay in responding	n	késői válasz[válaszok,for=ert]
# ("The fish soup you made": Hungary's own "halászlé", whose "lé" is "lev-" before a vowel)
fish soup	n	halászlé[halászlevek,acc=halászlevet,3sg=halászleve,poss=halászleve,pp=halászlevei]
keep going	v	tovább|megy[noobj]
inconvenience caused	n	okozott kellemetlenség[kellemetlenségek]
# ("lived on her own": alone, "egyedül")
on my own	adv	egyedül
on your own	adv	egyedül
on his own	adv	egyedül
on her own	adv	egyedül
on its own	adv	egyedül
on our own	adv	egyedül
on their own	adv	egyedül
# ("I can't make it on Thursday": getting there, "nem tudok eljutni")
just in time	adv	épp időben
# ("Police have appealed for witnesses": they look for them; "appealed for calm": asked for it)
appeal for witnesses	v	tanúkat |keres[noobj]
appeal for	v	kér
rail passenger	n	vasúti utas[utasok,person]
# words of labels and chores: what a label states, paint just put on, a sink that drains no more
stated	adj	feltüntetett ; megadott
wet paint	n	friss festék[festékek]
for future reference	adv	későbbi használatra
leaking	adj	szivárgó ; csöpögő[when=tap/faucet]
blocked	adj	elzárt ; eldugult[when=sink/drain/toilet/pipe/nose/gutter/shower/bath]
fallen	adj	elesett ; kidőlt[when=tree/branch/pole/trunk] ; lehullott[when=leaf/leaves/snow/apple/apples/petals/fruit]
packed	adj	zsúfolt ; tömött
hold down	v	lenyomva |tart
move house	v	költözik[noobj]
run into	v	bele|fut[obj=ba] ; össze|fut[obj=val,person]
scanned	adj	szkennelt ; beszkennelt
burnt	adj	égett ; leégett[when=roof/house/building/forest]
black-and-white	adj	fekete-fehér
running shoe	n	futócipő[futócipők,pair]
clean-up	n	takarítás[takarítások]
# --- Everyday words of notices, e-mail, recipes and contests (thirteenth round): a tax return
# and its forms, a contest's jury and entries, kitchen things, keys and holidays said as one word
# ("Tax returns must be submitted": what one declares, "adóbevallás"; a draft one beside an accountant)
tax return	n	adóbevallás[adóbevallások]
tax form	n	adóbevallási nyomtatvány[nyomtatványok]
draft return	n	bevallási tervezet[tervezetek]
# ("The jury chose the winner": a contest's judges, "zsűri"; a court's stays "esküdtszék")
basin	n	medence ; mosdókagyló[when=wash/washing/hand/bathroom]
farmers' market	n	termelői piac[piacok,to=ra,at=on,in=on]
wooden spoon	n	fakanál[fakanalak]
# ("Test the cake with a skewer": a baker's wooden stick, "hurkapálca"; meat on one "nyárs")
skewer	n	nyárs[nyársak] ; hurkapálca[near=cake/cakes/sponge/bake/baked/baking/oven/tin/muffin/muffins/loaf/clean]
# ("Sprinkle with poppy seeds": the seeds one mass, "mák", singular as for a pair)
poppy seed	n	mák[mákok,3sg=mákja,pp=mákjai,pair]
# ("the summer holidays" of school: the break, one, "nyári szünet")
summer holiday	n	nyári szabadság ; nyári szünet[pair,near=children/school/schools/pupils/pupil/kids/students/student/term/teachers/teacher/parents]
# words of recipes, photos and stories that had no entry, and senses their neighbours choose
# ("until the mixture is pale and fluffy": eggs beaten light, "habos"; a towel soft, "puha")
fluffy	adj	puha ; bolyhos ; habos[when=mixture/egg/eggs/cream/batter/whites/omelette/meringue]
forgotten	adj	elfeledett ; elfelejtett
inner tube	n	belső gumi[gumik]
# ("head back down", "We headed home": setting off there, "indul")
head	v	indul[noobj] ; vezet[when=team/department/group/company/delegation/committee/list/government]
head back	v	vissza|indul[noobj]
# ("postponed until further notice": till one is told more, "további értesítésig")
until further notice	adv	további értesítésig
# ("Our neighbours are having a barbecue": the party, "grillparti"; a gas one the grill itself)
barbecue	n	grillparti[grillpartik] ; grillsütő[grillsütők,when=gas/charcoal/clean/light/lit/portable/electric/disposable]
# ("The main course was roast chicken": the dish of the meal, "főétel"; what was roasted, "sült")
main course	n	főétel[főételek]
roast	adj	sült
# ("a shuttle service to the airport": the bus that goes to and fro, "transzferjárat")
shuttle service	n	transzferjárat[transzferjáratok]
shuttle bus	n	transzferbusz[transzferbuszok]
village hall	n	kultúrház[kultúrházak]
# ("He shrugged and looked away": turned his eyes aside, "félrenézett")
look away	v	félre|néz[noobj]
# ("until it looks like breadcrumbs": one mass, "zsemlemorzsa", singular as for a pair)
breadcrumb	n	zsemlemorzsa[pair]
# phrasal verbs of recipes, the road, the weather and the body, each with its own Hungarian verb
# ("Fold in the flour": "forgassa bele a lisztet"; "head back": "induljon vissza";
# "if the weather turns bad": "ha elromlik az idő"; "the chain slipped off": "leesett")
fold in	v	bele|forgat
head home	v	haza|indul[noobj]
head off	v	el|indul[noobj]
turn bad	v	el|romlik[noobj]
go bad	v	meg|romlik[noobj]
slip off	v	le|esik[noobj] ; le|vesz
apply to	v	vonatkozik[obj=ra] ; jelentkezik[obj=ba,when=university/college/school/course/programme/program]
run low on	v	ki|fogy[noobj,obj=bol]
run low	v	fogy[noobj]
under his breath	adv	az orra alatt
under her breath	adv	az orra alatt
under my breath	adv	az orrom alatt
under their breath	adv	az orruk alatt
# what a match or a talk ends in is said with "végződik" ("ended in a draw": "döntetlennel végződött")
end in	v	végződik[obj=val]
# ("Pass me the salt": given toward the speaker, "ide", not "oda")
pass me	v	ide|ad
# ("What's wrong?", "What's wrong with the car?": what the trouble is, "Mi a baj?")
what is wrong	adv	mi a baj
what's wrong	adv	mi a baj
# ("every other week", "every other Monday": each second one, "minden második")
every other	adj	minden második
