-- A small demonstration library: five preachers with their series and sermons,
-- topics, illustrations, further occasions, and the links between them.
-- Loaded on request on top of the shipped rows.

INSERT INTO tblPreachers (lngPreacherID, strFirstName, strMiddleInitial, strLastName, strCity, lngStateID, strCountry, strOrganization, strPosition, strSeminary, strNotes) VALUES
(1, 'Daniel', 'J', 'Harper', 'Columbus', 35, 'USA', 'Grace Fellowship Church', 'Senior Pastor', 'Trinity Evangelical Divinity School', 'Preaches through whole books of the Bible. Has served the same congregation since 1994.'),
(2, 'Margaret', 'A', 'O''Connor', 'Portland', 37, 'USA', 'Westside Community Church', 'Teaching Pastor', 'Fuller Theological Seminary', 'Former hospital chaplain. Known for careful, warm preaching on the letters of Paul.'),
(3, 'José', NULL, 'Delgado', 'San Antonio', 43, 'USA', 'New Life Baptist Church', 'Pastor', 'Southwestern Baptist Theological Seminary', 'Preaches in English and Spanish. Leads a yearly mission trip to northern Mexico.'),
(4, 'Andrew', NULL, 'MacLeod', 'Halifax', 58, 'Canada', 'St. Andrew''s Presbyterian Church', 'Minister', 'Knox College, Toronto', 'Retired in 2012 after thirty years of ministry. His Psalms series was much requested on cassette.'),
(5, 'Samuel', 'K', 'Okafor', 'Atlanta', 10, 'USA', 'Mount Zion Bible Church', 'Associate Pastor', 'Reformed Theological Seminary', 'Oversees small groups and the youth ministry. Often preaches on practical Christian living.');

INSERT INTO tblPublishers (lngPublisherID, strPublisher, strCity, lngStateID) VALUES
(1, 'Cedar Hill Press', 'Grand Rapids', 22),
(2, 'Lantern Road Books', 'Nashville', 42),
(3, 'Northshore Ministry Publications', 'Toronto', 60);

INSERT INTO tblSeries (lngSeriesID, strName, lngBibleBookID, lngPreacherID, lngTypeID, strPubTitle, lngPublisherID, strPubYear, strNotes) VALUES
(1, 'Walking with God: Studies in Genesis', 1, 1, 1, 'Walking with God: Sermons from Genesis', 1, '2003', 'Preached on Sunday mornings through the autumn and winter of 2001-2002.'),
(2, 'The Shepherd''s Songs', 19, 4, 8, NULL, 0, '1998', 'Evening series on well-loved psalms. Recorded but never printed.'),
(3, 'Good News for Everyone: Luke', 42, 3, 1, 'The Gospel for Everyone', 2, '2011', 'Selected passages from Luke, including the Christmas and Easter messages.'),
(4, 'Life Together: Philippians', 50, 2, 1, 'Joy in Every Circumstance', 3, '2017', 'A summer series for the whole congregation, with a study guide for small groups.'),
(5, 'Faith That Works: James', 59, 5, 10, NULL, 0, '2022', 'Preached during the church''s season of renewal after the pandemic.');

INSERT INTO tblTopics (lngTopicID, strTopic) VALUES
(1, 'GRACE'),
(2, 'PRAYER'),
(3, 'FORGIVENESS'),
(4, 'HOPE'),
(5, 'FAITH'),
(6, 'JOY'),
(7, 'SUFFERING'),
(8, 'OBEDIENCE'),
(9, 'LOVE'),
(10, 'WORSHIP'),
(11, 'SALVATION'),
(12, 'HOLY SPIRIT'),
(13, 'DISCIPLESHIP'),
(14, 'HUMILITY'),
(15, 'GENEROSITY'),
(16, 'FEAR'),
(17, 'FAMILY'),
(18, 'COMMUNITY'),
(19, 'STEWARDSHIP'),
(20, 'EASTER');

INSERT INTO tblIllustr (lngIllustrID, strName, strIllustration) VALUES
(1, 'The Lighthouse Keeper', 'On a rocky stretch of coast an old keeper tended the same light for forty years. Someone once asked him whether it bothered him that he never saw the ships he saved. He shrugged and said, "My job is not to see them. My job is to keep the lamp trimmed and the glass clean. The light does the rest."

Faithfulness in small, unseen things is rarely applauded, yet God uses it to bring many safely home.'),
(2, 'The Borrowed Coat', 'A boy arrived at a winter retreat without a proper coat. The camp director took off his own heavy jacket and wrapped it around him. All week the boy wore a coat that was far too big, with sleeves that hung past his fingers. On the last day he tried to give it back, and the director said, "Keep it. You will grow into it."

That is a picture of the righteousness Christ gives us. It is not ours by size or by merit, but it is truly given, and by his grace we grow into it.'),
(3, 'An Old Pastor on Prayer', 'An old pastor was asked by a young minister how he found time to pray with so many demands on him. He answered, "I used to pray when I had time. Now I have time because I pray."

He went on to explain that the day did not become shorter, but it became less crowded, because he had handed it to God before he tried to carry it himself.'),
(4, 'The Mended Teacup', 'A grandmother kept a teacup on her kitchen shelf that had been broken and glued back together. The cracks were plain to see. When her granddaughter asked why she did not buy a new one, she said, "This one was my mother''s. It is more precious to me now, because I remember the day we mended it together."

God does not throw away what is broken. He mends it, and the mending becomes part of the story of his love.'),
(5, 'The Father at the Window', 'A farmer whose son had left home in anger moved his chair to the front window. Every evening after supper he sat there and watched the road. Neighbors thought it was foolish. Three years later, on a rainy night in March, a thin figure came walking up the lane, and the farmer was out of the door before the boy reached the gate.

The son later said, "I had rehearsed a long speech. I never got to say it. He was already hugging me."'),
(6, 'Two Seeds in a Jar', 'A Sunday school teacher gave her class two bean seeds each. One went into a jar with damp soil on the windowsill. The other was kept in a dry envelope in the drawer "to keep it safe." After two weeks the children compared them. The seed in the soil had split open and sent up a green shoot. The safe seed looked exactly the same as on the first day.

A faith that is never planted in the soil of daily obedience may be kept safe, but it never grows.'),
(7, 'The Orchestra Tuning', 'Before a concert, every instrument in an orchestra plays at once, each musician adjusting to the same note from the oboe. For a minute it sounds like noise. Then the conductor raises the baton and the same people, now in tune with one note, make music together.

A church does not find unity by everyone playing the same part. It finds unity by every heart being tuned to the same Lord.'),
(8, 'The Map with No Roads', 'A hiker lost in the backcountry pulled out a map and realized it showed the mountains and rivers but none of the trails. He was tempted to throw it away. An older companion said, "The map cannot show you every step, but it will tell you which way is north. Keep your eyes on the river and you will come out at the town."

Scripture does not always tell us every step to take, but it always shows us where God is and which way leads home.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(1, 1, 1, 1, 1, 1, 1, 5, 'Genesis 1:1-5', 1, 'In the Beginning, God', 'Everything begins with God, who speaks light into darkness and order into chaos.', '2001-09-09', 'Grace Fellowship Church', 'Introduction
The first four words of the Bible answer the biggest question we can ask.
Before anything else existed, God was already there.

I. God Is Before All Things (v. 1)
	A. The Bible does not argue for God, it begins with him
	B. Creation is not an accident but an act of his will
	C. If he made all things, all things belong to him

II. God Speaks into Darkness (vv. 2-3)
	A. The earth was formless and empty
	B. The Spirit of God was hovering over the waters
	C. God said, "Let there be light," and there was light
	D. His word still brings light to dark places and dark hearts

III. God Brings Order and Goodness (vv. 4-5)
	A. He separates light from darkness
	B. He names the day and the night
	C. He sees that it is good

Conclusion
The God who began creation is the same God who begins new life in us.
What he starts, he brings to completion.

Application
1. Begin each day by acknowledging God as Creator and Lord.
2. Bring the "formless and empty" places of your life to him in prayer.
3. Trust that his word can bring order out of your chaos.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(2, 1, 1, 1, 12, 1, 12, 9, 'Genesis 12:1-9', 1, 'Leaving Haran', 'Faith means leaving what is familiar to follow God''s promise into the unknown.', '2001-10-14', 'Grace Fellowship Church', 'Introduction
Most of us like to see the whole road before we take the first step.
Abram was asked to go without a map.

I. The Call: "Go" (v. 1)
	A. Leave your country, your people, your father''s household
	B. Go to the land I will show you, not the land I have shown you
	C. God''s call often comes before God''s explanation

II. The Promise: "I Will" (vv. 2-3)
	A. I will make you into a great nation
	B. I will bless you and make your name great
	C. All peoples on earth will be blessed through you
	D. The promise reaches all the way to Christ and to us

III. The Response: "So Abram Went" (vv. 4-9)
	A. He obeyed at seventy-five years of age
	B. He built altars wherever he went
	C. He lived as a pilgrim in tents, not as a settler

Conclusion
Faith is not knowing where you are going. It is knowing who is leading you.

Application
1. What "Haran" is God asking you to leave behind?
2. Build an altar: set aside a regular place and time for worship.
3. Remember that your obedience may bless people you will never meet.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(3, 1, 1, 1, 22, 9, 22, 19, 'Genesis 22:9-19', 1, 'The Lord Will Provide', 'On the mountain of testing, God himself provides the sacrifice, pointing us to the cross.', '2002-01-20', 'Grace Fellowship Church', 'Introduction
Last week we followed Abraham and Isaac up the mountain.
Today we stand with them at the altar.

I. The Altar of Surrender (vv. 9-10)
	A. Abraham binds his son and lifts the knife
	B. He had reasoned that God could raise the dead (Hebrews 11:19)
	C. True worship holds nothing back from God

II. The Voice from Heaven (vv. 11-12)
	A. "Abraham! Abraham!" - God stops the hand
	B. "Now I know that you fear God"
	C. The test revealed a faith that God had been growing for years

III. The Ram in the Thicket (vv. 13-14)
	A. God provides a substitute
	B. Abraham names the place "The Lord Will Provide"
	C. On another hill, God did not spare his own Son

IV. The Promise Renewed (vv. 15-19)
	A. God swears by himself
	B. Through your offspring all nations will be blessed

Conclusion
Isaac was spared. Jesus was not. That is the measure of God''s love.

Application
1. What are you holding back from God because you fear losing it?
2. Name a "Jehovah Jireh" moment in your own life and give thanks.
3. Come to the Lord''s Table remembering the Lamb God provided.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(4, 1, 1, 1, 22, 1, 22, 8, 'Genesis 22:1-8', 1, 'The Hardest Journey', 'God sometimes tests our faith so that we may learn to trust him above his gifts.', '2002-01-13', 'Grace Fellowship Church', 'Introduction
Some chapters of the Bible are hard to read. This is one of them.
Yet it is one of the most loved chapters in Scripture.

I. The Test (vv. 1-2)
	A. "Take your son, your only son, whom you love"
	B. God tests to strengthen faith, not to destroy it
	C. The gift (Isaac) must never replace the Giver

II. The Obedience (vv. 3-5)
	A. Abraham rose early in the morning
	B. Three days of walking and thinking
	C. "We will worship and then we will come back to you"

III. The Question (vv. 6-8)
	A. Isaac carries the wood up the hill
	B. "Father, where is the lamb?"
	C. "God himself will provide the lamb"
	D. Abraham''s answer is deeper than he knew

Conclusion
Abraham did not know how God would keep his promise.
He only knew that God would.

Application
1. Is there a good gift in your life that has become too important?
2. Obey promptly, even when you do not understand fully.
3. When your children ask hard questions, answer with faith.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(5, 1, 4, 2, 3, 1, 3, 15, 'Exodus 3:1-15', 0, 'The Bush That Did Not Burn Up', NULL, '1999-03-07', 'Grace Fellowship Church', 'Introduction
Moses was eighty years old, tending someone else''s sheep in the desert.
He thought his story was over. God thought otherwise.

I. God Meets Us in Ordinary Places (vv. 1-3)
	A. The far side of the wilderness
	B. A bush that burns but is not consumed
	C. Moses turns aside to look

II. God Reveals His Holiness (vv. 4-6)
	A. "Take off your sandals"
	B. "I am the God of your father"
	C. Moses hides his face, afraid to look at God

III. God Sees and Hears His People (vv. 7-10)
	A. I have seen their misery
	B. I have heard them crying out
	C. I have come down to rescue them
	D. "So now, go. I am sending you"

IV. God Gives His Name (vv. 11-15)
	A. "Who am I?" - Moses doubts himself
	B. "I will be with you" - God answers with his presence
	C. "I AM WHO I AM" - the self-existent, faithful God

Conclusion
Our sense of inadequacy is not the end of the story.
The question is never "Who am I?" but "Who is he?"

Application
1. Turn aside: make room to notice what God is doing.
2. Bring your excuses honestly to God, and listen to his answer.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(6, 1, 6, 45, 8, 28, 8, 39, 'Romans 8:28-39', 0, 'Nothing Can Separate Us', 'Nothing in all creation can separate those who belong to Christ from the love of God.', '2008-04-27', 'Grace Fellowship Church', 'Introduction
Paul ends the great eighth chapter of Romans with a series of questions.
Each one is answered by the love of God in Christ.

I. God Is Working for Our Good (vv. 28-30)
	A. "In all things" - not only the pleasant things
	B. For those who love him and are called according to his purpose
	C. The golden chain: foreknown, predestined, called, justified, glorified

II. God Is for Us (vv. 31-34)
	A. If God is for us, who can be against us?
	B. He did not spare his own Son
	C. Who will bring any charge? It is God who justifies
	D. Christ Jesus is interceding for us

III. God''s Love Holds Us (vv. 35-39)
	A. Trouble, hardship, persecution, famine, nakedness, danger, sword
	B. "More than conquerors through him who loved us"
	C. Neither death nor life, angels nor demons, present nor future
	D. Nothing in all creation

Conclusion
Our grip on God may be weak. His grip on us is not.

Application
1. Write down the one thing you fear could separate you from God.
2. Read verses 38-39 aloud over that fear every day this week.
3. Share this promise with someone who is suffering.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(7, 4, 8, 19, 23, 1, 23, 6, 'Psalms 23:1-6', 2, 'The Lord Is My Shepherd', 'Because the Lord is our shepherd, we lack nothing we truly need, in life or in death.', '1996-09-15', 'St. Andrew''s Presbyterian Church', 'Introduction
Many of us learned this psalm as children and have heard it at funerals.
But it was written for the living.

I. The Shepherd Provides (vv. 1-3)
	A. "I shall not want" - contentment in his care
	B. Green pastures and still waters - rest
	C. He restores my soul - renewal
	D. Paths of righteousness for his name''s sake - guidance

II. The Shepherd Protects (v. 4)
	A. The valley of the shadow of death is real
	B. "You are with me" - the psalm turns from "he" to "you"
	C. Rod and staff - his discipline and his defense

III. The Shepherd Welcomes (vv. 5-6)
	A. A table prepared in the presence of enemies
	B. Anointing oil and an overflowing cup
	C. Goodness and mercy following all my days
	D. Dwelling in the house of the Lord forever

Conclusion
Jesus said, "I am the good shepherd." This psalm has a name and a face.

Application
1. Which line of the psalm do you most need this week? Memorize it.
2. In your own "valley," speak to the Lord as "you."');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(8, 4, 8, 19, 46, 1, 46, 11, 'Psalms 46:1-11', 2, 'A Very Present Help', 'When everything shakes, God remains our refuge, and we can be still before him.', '1996-10-06', 'St. Andrew''s Presbyterian Church', 'Introduction
Earthquakes, floods, wars - the psalmist names our worst fears.
Then he names something stronger.

I. God Is Our Refuge When the World Shakes (vv. 1-3)
	A. Refuge and strength, an ever-present help
	B. "Therefore we will not fear"
	C. Though the mountains fall into the sea

II. God Is Our River When the City Is Besieged (vv. 4-7)
	A. A river whose streams make glad the city of God
	B. God is within her, she will not fall
	C. The Lord Almighty is with us

III. God Is Our Peace When the Nations Rage (vv. 8-11)
	A. Come and see the works of the Lord
	B. He makes wars cease to the ends of the earth
	C. "Be still, and know that I am God"

Conclusion
Stillness is not the absence of trouble.
It is the presence of God in the middle of it.

Application
1. Set aside five minutes of silence each day this week.
2. Name one fear and pray verse 1 over it.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(9, 4, 8, 19, 51, 1, 51, 12, 'Psalms 51:1-12', 2, 'Create in Me a Clean Heart', 'God does not despise a broken and repentant heart, but washes it and makes it new.', '1996-11-03', 'St. Andrew''s Presbyterian Church', 'Introduction
David wrote this psalm after his sin with Bathsheba was exposed.
It is the prayer of a man who has run out of excuses.

I. An Honest Confession (vv. 1-6)
	A. He appeals to God''s mercy, not his own record
	B. "I know my transgressions"
	C. "Against you, you only, have I sinned"
	D. Sin goes deeper than behavior, to the heart

II. A Bold Request (vv. 7-9)
	A. Cleanse me with hyssop
	B. Wash me and I will be whiter than snow
	C. Hide your face from my sins

III. A New Beginning (vv. 10-12)
	A. Create in me a pure heart
	B. Renew a steadfast spirit within me
	C. Do not take your Holy Spirit from me
	D. Restore to me the joy of your salvation

Conclusion
Forgiveness is not the end of the relationship with God. It is the door back in.

Application
1. Bring one specific sin to God in confession this week.
2. Receive his forgiveness as a gift, not a wage.
3. Ask him to restore your joy.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(10, 4, 8, 19, 121, 1, 121, 8, 'Psalms 121:1-8', 2, 'Lifting Our Eyes', 'Our help does not come from the hills but from the Lord who made them and never sleeps.', '1997-01-12', 'St. Andrew''s Presbyterian Church', 'Introduction
This is a song for pilgrims on the road up to Jerusalem.
The road was long and the hills were full of danger.

I. Where Our Help Comes From (vv. 1-2)
	A. The pilgrim looks up at the hills
	B. Help does not come from the hills themselves
	C. "My help comes from the Lord, the Maker of heaven and earth"

II. The God Who Never Sleeps (vv. 3-4)
	A. He will not let your foot slip
	B. He who watches over Israel will neither slumber nor sleep
	C. We may rest because he does not

III. The God Who Keeps Us (vv. 5-8)
	A. The Lord is your shade at your right hand
	B. Neither sun by day nor moon by night
	C. Your coming and going, now and forevermore

Conclusion
The journey may be long. The Keeper is faithful.

Application
1. When you lie down to sleep, hand your worries to the One who stays awake.
2. Pray this psalm over a friend who is travelling or starting something new.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(11, 4, 1, 40, 5, 1, 5, 12, 'Matthew 5:1-12', 0, 'The Upside-Down Blessings', 'Jesus pronounces God''s blessing on those the world overlooks, and invites us into his kingdom.', '2004-02-08', 'St. Andrew''s Presbyterian Church', 'Introduction
The crowds expected blessings for the strong, the rich and the successful.
Jesus turned their expectations upside down.

I. Blessed Are the Needy (vv. 3-6)
	A. The poor in spirit - the kingdom is theirs
	B. Those who mourn - they will be comforted
	C. The meek - they will inherit the earth
	D. Those who hunger for righteousness - they will be filled

II. Blessed Are the Godly (vv. 7-9)
	A. The merciful receive mercy
	B. The pure in heart will see God
	C. The peacemakers will be called children of God

III. Blessed Are the Persecuted (vv. 10-12)
	A. Persecuted because of righteousness
	B. Insulted because of Jesus
	C. Rejoice, for great is your reward in heaven

Conclusion
The Beatitudes are not a ladder to climb to God.
They describe the people God has already welcomed in Christ.

Application
1. Which beatitude is hardest for you? Ask God for that grace.
2. Look for one person this week who mourns, and bring comfort.
3. Take one step toward peace in a broken relationship.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(12, 4, 3, 33, 6, 8, 6, 8, 'Micah 6:8', 0, 'What Does the Lord Require?', 'God asks us to do justice, love mercy, and walk humbly with him.', NULL, NULL, 'Introduction
In verses 6-7 the people ask what offering would satisfy God.
Thousands of rams? Rivers of oil? Their firstborn?
Verse 8 gives a surprisingly simple answer.

I. To Act Justly
	A. Justice is treating others as God''s image-bearers
	B. It begins in ordinary dealings - wages, words, promises

II. To Love Mercy
	A. Not only to show mercy, but to love it
	B. Mercy gives what people do not deserve
	C. We love mercy because we have received it

III. To Walk Humbly with Your God
	A. A walk is daily, steady, and personal
	B. Humility keeps justice from becoming harshness
	C. Humility keeps mercy from becoming pride

Conclusion
God does not want our religious performance. He wants us.

Application
1. Where could you act more justly at work or at home?
2. Show one act of undeserved kindness this week.
3. Begin each morning with a short walk and a prayer.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(13, 3, 12, 42, 2, 8, 2, 20, 'Luke 2:8-20', 3, 'Good News of Great Joy', 'The birth of Jesus is good news for ordinary people, announced first to shepherds in the night.', '2009-12-20', 'New Life Baptist Church', 'Introduction
The first people to hear about Christmas were not kings or priests.
They were shepherds working the night shift.

I. The Announcement to the Humble (vv. 8-12)
	A. Shepherds were ordinary, even looked down upon
	B. "Do not be afraid" - fear replaced by good news
	C. "A Savior has been born to you" - personal and present
	D. The sign: a baby in a manger

II. The Praise of Heaven (vv. 13-14)
	A. A great company of the heavenly host
	B. Glory to God in the highest
	C. Peace on earth to those on whom his favor rests

III. The Response of the Shepherds (vv. 15-20)
	A. They went with haste
	B. They found the child, just as they had been told
	C. They spread the word
	D. They returned glorifying and praising God

IV. The Response of Mary (v. 19)
	A. She treasured up all these things
	B. Some news must be pondered before it is understood

Conclusion
The good news is still for ordinary people on ordinary nights.

Application
1. Go and see: make time this week to worship Christ.
2. Tell someone what you have seen and heard.
3. Like Mary, ponder quietly what God has done this year.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(14, 3, 1, 42, 15, 11, 15, 32, 'Luke 15:11-32', 3, 'The Father Who Runs', 'The father''s welcome shows that God''s grace reaches both the rebellious son and the resentful one.', '2010-03-14', 'New Life Baptist Church', 'Introduction
We call it the parable of the prodigal son.
It could just as well be called the parable of the running father.

I. The Son Who Left (vv. 11-16)
	A. "Give me my share" - wanting the gifts without the father
	B. Wild living in a distant country
	C. Hunger among the pigs

II. The Son Who Came to His Senses (vv. 17-20a)
	A. He remembers his father''s house
	B. He rehearses his confession
	C. He gets up and goes home

III. The Father Who Ran (vv. 20b-24)
	A. He saw him while he was still a long way off
	B. He ran, embraced and kissed him
	C. The robe, the ring, the sandals, the feast
	D. "This son of mine was dead and is alive again"

IV. The Son Who Stayed Outside (vv. 25-32)
	A. Anger at the music and dancing
	B. "All these years I have been slaving for you"
	C. The father goes out to him too
	D. The story ends with an open invitation

Conclusion
Whether we have run far away or stayed home with a cold heart,
the Father comes out to meet us.

Application
1. Which son are you most like today?
2. Come home - the Father is already running.
3. Rejoice when others come home, without keeping score.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(15, 3, 1, 42, 15, 1, 15, 7, 'Luke 15:1-7', 3, 'The Shepherd Who Searches', 'Jesus seeks the lost one by one, and heaven rejoices over every sinner who repents.', '2010-03-07', 'New Life Baptist Church', 'Introduction
The religious leaders complained: "This man welcomes sinners and eats with them."
Jesus answered with three stories. This is the first.

I. The Complaint (vv. 1-2)
	A. Tax collectors and sinners were gathering to hear him
	B. The Pharisees muttered
	C. Grace always offends those who think they do not need it

II. The Search (vv. 3-5)
	A. One sheep out of a hundred
	B. The shepherd leaves the ninety-nine
	C. He searches until he finds it
	D. He carries it home on his shoulders, rejoicing

III. The Celebration (vv. 6-7)
	A. He calls his friends and neighbors
	B. "Rejoice with me"
	C. More joy in heaven over one sinner who repents

Conclusion
You are not a statistic to God. You are the one he came looking for.

Application
1. Thank God that he searched for you.
2. Pray by name for one person who has wandered from the faith.
3. Make room at your table for someone others avoid.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(16, 3, 12, 42, 24, 13, 24, 35, 'Luke 24:13-35', 3, 'Burning Hearts on the Emmaus Road', 'The risen Jesus walks with discouraged disciples and opens their eyes through the Scriptures and the breaking of bread.', '2010-04-04', 'New Life Baptist Church', 'Introduction
It was Easter Sunday, but two disciples did not know it yet.
They were walking away from Jerusalem with their heads down.

I. Walking in Disappointment (vv. 13-24)
	A. Jesus himself came up and walked with them
	B. They were kept from recognizing him
	C. "We had hoped that he was the one"
	D. They had heard the report of the empty tomb, but did not believe

II. Listening to the Scriptures (vv. 25-27)
	A. "How foolish you are, and slow to believe"
	B. The Messiah had to suffer and then enter his glory
	C. Beginning with Moses and all the Prophets
	D. The whole Bible points to Jesus

III. Recognizing the Risen Lord (vv. 28-32)
	A. "Stay with us, for it is nearly evening"
	B. He took bread, gave thanks, broke it
	C. Their eyes were opened
	D. "Were not our hearts burning within us?"

IV. Running with the News (vv. 33-35)
	A. They returned at once to Jerusalem
	B. "It is true! The Lord has risen"

Conclusion
The risen Christ still meets people on the road, in the Word and at the Table.

Application
1. Bring your "we had hoped" to Jesus honestly.
2. Read the Scriptures looking for him.
3. Share the news: he is risen.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(17, 3, 4, 32, 1, 17, 2, 10, 'Jonah 1:17 - 2:10', 0, 'A Prayer from the Belly of the Fish', NULL, '2013-06-23', 'New Life Baptist Church', 'Introduction
Jonah ran from God and ended up in the worst place imaginable.
And there, at the bottom, he finally prayed.

I. God''s Severe Mercy (1:17)
	A. The Lord provided a great fish
	B. What looked like judgment was rescue
	C. Three days and three nights

II. Jonah''s Desperate Prayer (2:1-6)
	A. "In my distress I called to the Lord, and he answered me"
	B. The waters, the deep, the seaweed around his head
	C. "I have been banished from your sight"
	D. "Yet you brought my life up from the pit"

III. Jonah''s Renewed Worship (2:7-9)
	A. "When my life was ebbing away, I remembered you"
	B. Those who cling to worthless idols turn away from grace
	C. "Salvation comes from the Lord"

IV. God''s Second Chance (2:10)
	A. The Lord commanded the fish
	B. Jonah is back on dry land - and back on assignment

Conclusion
No one has run too far for God to reach.
Jesus spoke of "the sign of Jonah" - his own death and resurrection.

Application
1. Where are you running from God?
2. Pray from wherever you are, even from the bottom.
3. Receive God''s second chance and obey.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(18, 3, 2, 44, 2, 37, 2, 47, 'Acts 2:37-47', 0, 'The Church Gathered', 'The Spirit forms a new community devoted to teaching, fellowship, breaking of bread and prayer.', '2016-05-15', 'Iglesia Nueva Vida, Laredo', 'Introduction
On the day of Pentecost Peter preached, and the crowd was cut to the heart.
What happened next was the birth of the church.

I. A Community Born of Repentance (vv. 37-41)
	A. "What shall we do?"
	B. Repent and be baptized in the name of Jesus Christ
	C. You will receive the gift of the Holy Spirit
	D. About three thousand were added that day

II. A Community Devoted Together (v. 42)
	A. To the apostles'' teaching
	B. To fellowship
	C. To the breaking of bread
	D. To prayer

III. A Community Marked by Generosity (vv. 43-45)
	A. Awe came upon everyone
	B. They had everything in common
	C. They gave to anyone who had need

IV. A Community That Grew (vv. 46-47)
	A. Meeting daily in the temple courts and in homes
	B. Glad and sincere hearts
	C. The Lord added to their number daily

Conclusion
The church is not a building or a program. It is a people the Spirit gathers.

Application
1. Which of the four devotions in verse 42 is weakest in your life?
2. Open your home for a meal with another believer this month.
3. Give to meet a real need in our church family.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(19, 2, 1, 50, 1, 3, 1, 11, 'Philippians 1:3-11', 4, 'Partners in the Gospel', 'Christians are bound together in gospel partnership, and God will complete the good work he began in us.', '2016-06-05', 'Westside Community Church', 'Introduction
Paul writes from prison, yet his first words are thanksgiving.
He remembers a church that stood with him from the first day.

I. A Thankful Remembering (vv. 3-5)
	A. "I thank my God every time I remember you"
	B. Prayer with joy
	C. Partnership in the gospel from the first day until now

II. A Confident Hope (vv. 6-8)
	A. He who began a good work in you will carry it on to completion
	B. The work is God''s, and so is the finishing
	C. "I have you in my heart" - affection in Christ

III. A Growing Love (vv. 9-11)
	A. That your love may abound more and more
	B. In knowledge and depth of insight
	C. So that you may discern what is best
	D. Filled with the fruit of righteousness, to the glory of God

Conclusion
Partnership in the gospel is not a contract. It is a shared life in Christ.

Application
1. Write a note of thanks to someone who has partnered with you in faith.
2. Pray Paul''s prayer (vv. 9-11) for your small group this week.
3. Take heart: God is not finished with you.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(20, 2, 1, 50, 2, 5, 2, 11, 'Philippians 2:5-11', 4, 'The Mind of Christ', 'The humility of Christ, who emptied himself to the point of the cross, is both our salvation and our pattern.', '2016-06-19', 'Westside Community Church', 'Introduction
Paul wants a divided church to be of one mind.
So he does not give them a rule. He gives them a hymn about Jesus.

I. Christ''s Descent (vv. 5-8)
	A. Being in very nature God
	B. He did not consider equality with God something to be used for his own advantage
	C. He made himself nothing, taking the very nature of a servant
	D. He humbled himself and became obedient to death on a cross

II. Christ''s Exaltation (vv. 9-11)
	A. Therefore God exalted him to the highest place
	B. The name that is above every name
	C. Every knee will bow and every tongue confess
	D. Jesus Christ is Lord, to the glory of God the Father

III. Christ''s Mind in Us (v. 5)
	A. Humility is not thinking less of yourself but thinking of yourself less
	B. Servanthood is the way of the kingdom
	C. The way down is the way up

Conclusion
The cross is not only the place where we are forgiven.
It is the shape of the life we are called to live.

Application
1. Look for one way to put another person''s interests ahead of your own.
2. Confess any rivalry or conceit in your relationships.
3. Bow your knee now to the One every knee will bow to.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(21, 2, 1, 50, 4, 4, 4, 9, 'Philippians 4:4-9', 4, 'The Peace That Guards', 'Rejoicing, prayer and right thinking open our lives to the peace of God that guards our hearts.', '2016-08-28', 'Westside Community Church', 'Introduction
"Rejoice in the Lord always" - written by a man in chains.
Paul is not denying hardship. He is pointing past it.

I. Rejoice in the Lord (vv. 4-5)
	A. Always, and again I say, rejoice
	B. Joy rooted in the Lord, not in circumstances
	C. Let your gentleness be evident to all - the Lord is near

II. Pray About Everything (vv. 6-7)
	A. Do not be anxious about anything
	B. In every situation, by prayer and petition, with thanksgiving
	C. The peace of God, which transcends all understanding
	D. Will guard your hearts and minds in Christ Jesus

III. Think on What Is Good (v. 8)
	A. True, noble, right, pure
	B. Lovely, admirable, excellent, praiseworthy
	C. What we dwell on shapes who we become

IV. Practice What You Have Learned (v. 9)
	A. Learned, received, heard, seen
	B. The God of peace will be with you

Conclusion
Paul promises not only the peace of God, but the God of peace.

Application
1. Turn each worry this week into a prayer with thanksgiving.
2. Audit your inputs: what are you feeding your mind?
3. Find one reason to rejoice every day and say it out loud.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(22, 2, 11, 23, 40, 27, 40, 31, 'Isaiah 40:27-31', 0, 'Strength for the Weary', 'The everlasting God never grows tired, and he gives strength to those who wait on him.', '2005-10-02', NULL, 'Introduction
Israel felt forgotten in exile: "My way is hidden from the Lord."
Perhaps you have felt the same.

I. The Complaint of the Weary (v. 27)
	A. "My cause is disregarded by my God"
	B. God allows honest lament
	C. Feelings of abandonment are not the final word

II. The Character of God (v. 28)
	A. Do you not know? Have you not heard?
	B. The everlasting God, Creator of the ends of the earth
	C. He will not grow tired or weary
	D. His understanding no one can fathom

III. The Gift of Strength (vv. 29-31)
	A. He gives strength to the weary
	B. Even youths grow tired and stumble
	C. Those who hope in the Lord will renew their strength
	D. Soar, run, walk - strength for every pace of life

Conclusion
Sometimes God gives wings. Sometimes he gives the strength simply to keep walking.
Both are his grace.

Application
1. Tell God honestly where you are weary.
2. Practice waiting: a daily quiet time of hope, not hurry.
3. Come alongside someone who is worn out and carry part of their load.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(23, 2, 7, 43, 4, 1, 4, 26, 'John 4:1-26', 0, 'Living Water at Noon', 'Jesus crosses every barrier to offer living water to a thirsty soul.', '2012-03-11', 'Westside Community Church', 'Introduction
A woman comes to the well at noon, when no one else will be there.
Someone is waiting for her.

I. Jesus Crosses Barriers (vv. 1-9)
	A. He had to go through Samaria
	B. Tired, he sat down by the well
	C. "Will you give me a drink?"
	D. Jews did not associate with Samaritans - or speak with such a woman

II. Jesus Offers Living Water (vv. 10-15)
	A. "If you knew the gift of God"
	B. Everyone who drinks this water will be thirsty again
	C. A spring of water welling up to eternal life
	D. "Sir, give me this water"

III. Jesus Knows and Still Welcomes (vv. 16-19)
	A. "Go, call your husband"
	B. He knows her whole story
	C. He exposes in order to heal, not to shame

IV. Jesus Reveals Himself (vv. 20-26)
	A. True worship is in spirit and truth
	B. "I, the one speaking to you - I am he"

Conclusion
The woman left her water jar and ran to tell the town.
Living water cannot be kept to oneself.

Application
1. What "wells" have you been drinking from that never satisfy?
2. Ask Jesus for the living water he freely gives.
3. Cross one social barrier this week for the sake of the gospel.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(24, 2, 13, 47, 4, 16, 5, 5, '2 Corinthians 4:16 - 5:5', 0, 'We Do Not Lose Heart', 'Though our bodies waste away, God is preparing for us an eternal home, and has given us the Spirit as a guarantee.', '2019-02-16', 'Riverview Chapel, Beaverton', 'Introduction
We gather today with grief and with gratitude.
Paul''s words were written for exactly such a day.

I. Outwardly Wasting, Inwardly Renewed (4:16)
	A. We do not pretend: our bodies grow weak
	B. Yet inwardly we are being renewed day by day

II. Light Troubles, Weighty Glory (4:17-18)
	A. Our troubles are real, but they are not the final measure
	B. An eternal glory that far outweighs them all
	C. We fix our eyes on what is unseen and eternal

III. An Earthly Tent, a Heavenly House (5:1-4)
	A. The tent we live in is temporary
	B. We have a building from God, not built by human hands
	C. What is mortal will be swallowed up by life

IV. A Present Guarantee (5:5)
	A. God has made us for this very purpose
	B. He has given us the Spirit as a deposit

Conclusion
Our sister finished her race trusting in Christ.
Because he lives, we grieve, but not as those without hope.

Application
1. Let yourself grieve honestly, and lean on the church family.
2. Fix your eyes on what is unseen: Christ risen and reigning.
3. If you have not yet trusted him, today is the day to begin.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(25, 5, 10, 59, 1, 2, 1, 8, 'James 1:2-8', 5, 'Joy in Trials', 'Trials tested by faith produce perseverance, and God gives wisdom generously to all who ask.', '2021-09-12', 'Mount Zion Bible Church', 'Introduction
James does not say "if" you face trials, but "whenever."
The question is not whether trouble will come, but what it will make of us.

I. Count It Joy (v. 2)
	A. Not because trials are pleasant
	B. Because of what God does through them

II. Let Perseverance Finish Its Work (vv. 3-4)
	A. The testing of faith produces perseverance
	B. Perseverance leads to maturity
	C. "Not lacking anything"

III. Ask for Wisdom (vv. 5-8)
	A. If any of you lacks wisdom, ask God
	B. He gives generously without finding fault
	C. Ask in faith, without doubting
	D. The double-minded person is like a wave tossed by the wind

Conclusion
Trials are not a sign that God has left us.
They are one of the tools he uses to make us whole.

Application
1. Name your current trial and ask: what might God be growing in me?
2. Ask God for wisdom for one specific decision this week.
3. Encourage someone who is in a hard season.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(26, 5, 10, 59, 2, 14, 2, 26, 'James 2:14-26', 5, 'Faith with Its Sleeves Rolled Up', 'Saving faith is never alone: it shows itself in works of love.', '2021-10-03', 'Mount Zion Bible Church', 'Introduction
A faith that is 100% talk and 0% walk is not the faith James is talking about.
James and Paul do not contradict each other. Paul says we are saved by faith alone,
and James adds that the faith that saves is never alone.

I. Faith Without Deeds Is Dead (vv. 14-17)
	A. "What good is it?"
	B. The brother or sister without clothes and daily food
	C. "Go in peace, keep warm and well fed" - words without help
	D. Faith that does nothing is lifeless

II. Faith Is Shown by Deeds (vv. 18-20)
	A. "Show me your faith without deeds"
	B. Even the demons believe - and shudder
	C. Mere agreement with facts is not saving faith

III. Two Examples of Living Faith (vv. 21-26)
	A. Abraham: faith that trusted God with his son
	B. Rahab: faith that risked her life for God''s people
	C. A patriarch and an outsider - faith looks the same in both
	D. As the body without the spirit is dead, so faith without deeds

Conclusion
We are not saved by our works, but we are saved for them.
Works are the fruit, never the root.

Application
1. Where has your faith stayed in words only?
2. Meet one practical need this week - a meal, a ride, a visit.
3. Thank God that your salvation rests on Christ''s work, not yours.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(27, 5, 10, 59, 3, 1, 3, 12, 'James 3:1-12', 5, 'Taming the Tongue', 'The tongue is small but powerful, and only a heart changed by God can bring it under control.', '2021-10-17', 'Mount Zion Bible Church', 'Introduction
Words can build up a life or burn it down.
James uses six pictures to show the power of the tongue.

I. The Tongue Directs (vv. 1-5a)
	A. Teachers will be judged more strictly
	B. We all stumble in many ways
	C. A bit in a horse''s mouth
	D. A small rudder on a large ship

II. The Tongue Destroys (vv. 5b-8)
	A. A small spark sets a forest on fire
	B. Every kind of animal has been tamed, but not the tongue
	C. A restless evil, full of deadly poison

III. The Tongue Reveals (vv. 9-12)
	A. With it we praise our Lord and curse people made in his likeness
	B. Can fresh water and salt water flow from the same spring?
	C. A fig tree cannot bear olives
	D. The tongue shows what is in the heart

Conclusion
We cannot tame the tongue by willpower alone.
We need a new heart, which only God can give.

Application
1. Before you speak this week, ask: is it true, is it kind, is it needed?
2. Apologize for one careless word you have spoken.
3. Use your words to bless someone every day.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(28, 5, 5, 16, 1, 1, 1, 11, 'Nehemiah 1:1-11', 0, 'A Burden That Becomes a Prayer', NULL, '2018-01-14', 'Mount Zion Bible Church', 'Introduction
Nehemiah had a comfortable job in the Persian palace.
Then he heard news from Jerusalem that broke his heart.

I. Nehemiah Hears (vv. 1-3)
	A. He asks about the people and the city
	B. The survivors are in great trouble and disgrace
	C. The wall is broken down and the gates burned

II. Nehemiah Weeps (v. 4)
	A. He sat down and wept
	B. He mourned, fasted and prayed for some days
	C. A godly burden begins with caring

III. Nehemiah Prays (vv. 5-11)
	A. He praises the great and awesome God who keeps his covenant
	B. He confesses the sins of the people - and his own
	C. He remembers God''s promises
	D. He asks for success before the king

Conclusion
Before Nehemiah built a wall, he knelt to pray.
Lasting work for God begins on our knees.

Application
1. What brokenness around you has God placed on your heart?
2. Turn that burden into a regular time of prayer before you act.
3. Include confession in your prayers for your community.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(29, 5, 14, 46, 13, 1, 13, 13, '1 Corinthians 13:1-13', 0, 'Love Never Fails', 'Christian marriage is built on the patient, kind and enduring love that God first showed us in Christ.', '2014-06-21', 'Magnolia Gardens Chapel, Decatur', 'Introduction
Marcus and Grace, you chose this passage for your wedding day.
It was first written to a quarrelling church, and it describes a love stronger than feelings.

I. Love Is Essential (vv. 1-3)
	A. Without love, eloquence is only noise
	B. Without love, knowledge and faith amount to nothing
	C. Without love, even sacrifice gains nothing

II. Love Is Active (vv. 4-7)
	A. Love is patient and kind
	B. It does not envy, boast, or keep a record of wrongs
	C. It rejoices with the truth
	D. It always protects, trusts, hopes and perseveres

III. Love Is Enduring (vv. 8-13)
	A. Love never fails
	B. Now we see only a reflection, then face to face
	C. Faith, hope and love remain - and the greatest is love

Conclusion
You cannot produce this love on your own. But God, who is love, will give it.
Let his love for you be the source of your love for each other.

Application
1. Read verses 4-7 together on each anniversary.
2. Replace "love" with your own name and ask God to make it true.
3. Keep no record of wrongs, and forgive quickly.');

INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES
(30, 5, 6, 58, 11, 1, 11, 6, 'Hebrews 11:1-6', 0, 'The Substance of Things Hoped For', 'Faith is confident trust in the God who exists and rewards those who seek him.', NULL, NULL, 'Introduction
Hebrews 11 is sometimes called the Hall of Faith.
Before it tells us about the heroes, it tells us what faith is.

I. What Faith Is (vv. 1-3)
	A. Confidence in what we hope for
	B. Assurance about what we do not see
	C. By faith we understand the universe was formed at God''s command

II. What Faith Does (vv. 4-5)
	A. Abel offered a better sacrifice
	B. Enoch walked with God and pleased him
	C. Faith worships and faith walks

III. Why Faith Matters (v. 6)
	A. Without faith it is impossible to please God
	B. We must believe that he exists
	C. We must believe that he rewards those who earnestly seek him

Conclusion
Faith is not a leap in the dark. It is a step toward the God who has spoken.

Application
1. Where is God asking you to trust what you cannot yet see?
2. Seek him earnestly this week in Scripture and prayer.
3. Read the rest of Hebrews 11 and note how ordinary these heroes were.');

INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES
(1, 1, '2004-08-22', 'Lakeview Bible Church, Westerville'),
(2, 6, '2010-09-19', 'Grace Fellowship Church'),
(3, 6, '2015-05-03', 'Faith Community Church, Dayton'),
(4, 7, '2000-06-11', 'Knox Presbyterian Church, Truro'),
(5, 7, '2008-11-02', 'St. Andrew''s Presbyterian Church'),
(6, 8, '2001-09-16', 'St. Andrew''s Presbyterian Church'),
(7, 11, '2006-07-23', 'Bedford United Church'),
(8, 14, '2014-09-07', 'Primera Iglesia Bautista, Del Rio'),
(9, 14, '2019-03-31', 'New Life Baptist Church'),
(10, 16, '2017-04-16', 'New Life Baptist Church'),
(11, 20, '2020-03-29', 'Westside Community Church'),
(12, 21, '2020-04-19', 'Westside Community Church (online service)'),
(13, 23, '2018-02-25', 'Hillsboro Evangelical Free Church'),
(14, 26, '2023-02-12', 'Cornerstone Church, Marietta'),
(15, 29, '2024-05-18', 'Magnolia Gardens Chapel, Decatur');

INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES
(1, 10),
(2, 5),
(3, 5),
(3, 11),
(4, 5),
(4, 8),
(5, 10),
(5, 16),
(6, 9),
(6, 4),
(7, 4),
(7, 16),
(8, 16),
(8, 2),
(9, 3),
(9, 1),
(10, 4),
(11, 14),
(11, 13),
(12, 14),
(12, 8),
(13, 6),
(13, 11),
(14, 3),
(14, 1),
(15, 11),
(15, 6),
(16, 20),
(16, 4),
(17, 2),
(17, 1),
(18, 18),
(18, 12),
(19, 18),
(20, 14),
(20, 13),
(21, 6),
(21, 2),
(22, 4),
(22, 7),
(23, 11),
(23, 10),
(24, 4),
(24, 7),
(25, 7),
(26, 5),
(26, 15),
(27, 13),
(28, 2),
(28, 3),
(29, 9),
(30, 5);

INSERT INTO tblIllustrTopics (lngIllustrID, lngTopicID) VALUES
(1, 13),
(2, 1),
(2, 11),
(3, 2),
(4, 7),
(4, 1),
(5, 3),
(5, 9),
(6, 5),
(6, 13),
(7, 18),
(7, 10),
(8, 16);

INSERT INTO tblSermonIllustr (lngSermonID, lngIllustrID) VALUES
(6, 2),
(8, 3),
(9, 4),
(10, 8),
(14, 5),
(15, 5),
(18, 7),
(19, 7),
(22, 1),
(24, 4),
(26, 6),
(28, 3);
