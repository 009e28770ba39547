-- The delivered Lectorum database: one definition for every engine.
--
-- Column types are written as placeholders that lectorum-mkdb replaces for the
-- engine at hand (see src/data/SchemaScript.cpp):
--   {lng}  32-bit integer (keys and references)
--   {int}  16-bit integer (chapters and verses)
--   {str}  text of any length; the program never stores an empty string, it stores Null
--   {dt}   date and time
-- Statements end with a semicolon at the end of a line.
--
-- Only three relations cascade by the program's own rules (a preacher's sermons, a
-- publisher's series, a series' sermons). The link tables and the occasion table also
-- follow their sermon, topic or illustration, so that deleting one never leaves rows that
-- point nowhere. Every other reference column is a plain number without a constraint.

CREATE TABLE tblBibleBooks (
    lngBibleBookID {lng} NOT NULL PRIMARY KEY,
    strBibleBook {str}
);

CREATE TABLE tblType (
    lngTypeID {lng} NOT NULL PRIMARY KEY,
    strTypeDesc {str}
);

CREATE TABLE tblStates (
    lngStateID {lng} NOT NULL PRIMARY KEY,
    strStateCode {str},
    strStateDesc {str},
    strRegionCode {str}
);

CREATE TABLE tblLocation (
    lngLocationID {lng} NOT NULL PRIMARY KEY,
    strLocation {str}
);

CREATE TABLE tblUsers (
    lngUserID {lng} NOT NULL PRIMARY KEY,
    strLoginID {str},
    strFirstName {str},
    strLastName {str},
    strPassword {str},
    lngGroupID {lng} NOT NULL DEFAULT 0,
    intConcurrencyID {int} NOT NULL DEFAULT 0
);

CREATE TABLE tblTableIds (
    strTableName {str} NOT NULL PRIMARY KEY,
    lngNextID {lng}
);

CREATE TABLE tblPreachers (
    lngPreacherID {lng} NOT NULL PRIMARY KEY,
    strFirstName {str},
    strMiddleInitial {str},
    strLastName {str},
    strCity {str},
    lngStateID {lng} NOT NULL DEFAULT 0,
    strCountry {str},
    strOrganization {str},
    strPosition {str},
    strSeminary {str},
    strNotes {str}
);

CREATE TABLE tblPublishers (
    lngPublisherID {lng} NOT NULL PRIMARY KEY,
    strPublisher {str},
    strCity {str},
    lngStateID {lng} NOT NULL DEFAULT 0
);

CREATE TABLE tblSeries (
    lngSeriesID {lng} NOT NULL PRIMARY KEY,
    strName {str},
    lngBibleBookID {lng} NOT NULL DEFAULT 0,
    lngPreacherID {lng} NOT NULL DEFAULT 0,
    lngTypeID {lng} NOT NULL DEFAULT 0,
    strPubTitle {str},
    lngPublisherID {lng} NOT NULL DEFAULT 0
        REFERENCES tblPublishers (lngPublisherID) ON DELETE CASCADE,
    strPubYear {str},
    strNotes {str}
);

CREATE TABLE tblSermons (
    lngSermonID {lng} NOT NULL PRIMARY KEY,
    lngPreacherID {lng} NOT NULL DEFAULT 0
        REFERENCES tblPreachers (lngPreacherID) ON DELETE CASCADE,
    lngTypeID {lng} NOT NULL DEFAULT 0,
    lngBibleBookID {lng} NOT NULL DEFAULT 0,
    intBeginChapter {int} NOT NULL DEFAULT 0,
    intBeginVerse {int} NOT NULL DEFAULT 0,
    intEndChapter {int} NOT NULL DEFAULT 0,
    intEndVerse {int} NOT NULL DEFAULT 0,
    strDisplayText {str},
    lngSeriesID {lng} NOT NULL DEFAULT 0
        REFERENCES tblSeries (lngSeriesID) ON DELETE CASCADE,
    strTitle {str},
    strBigIdea {str},
    dtDatePreached {dt},
    strLocation {str},
    strOutline {str}
);

-- The sermon list sorts on these columns; the checklists filter on the references.
CREATE INDEX SermonBibleOrder ON tblSermons (lngBibleBookID, intBeginChapter, intBeginVerse);
CREATE INDEX SermonPreacher ON tblSermons (lngPreacherID);
CREATE INDEX SermonSeries ON tblSermons (lngSeriesID);
-- The counting reports read only these columns of every sermon: from this index they need
-- not read the rows themselves (outlines of several kilobytes) in book order. No text column:
-- PostgreSQL refuses to store a row whose index entry exceeds a third of a page.
CREATE INDEX SermonReport ON tblSermons (lngBibleBookID, dtDatePreached, intBeginChapter,
    intEndChapter, lngPreacherID, lngTypeID, lngSeriesID);
CREATE INDEX SeriesPublisher ON tblSeries (lngPublisherID);

CREATE TABLE tblTopics (
    lngTopicID {lng} NOT NULL PRIMARY KEY,
    strTopic {str}
);

CREATE TABLE tblIllustr (
    lngIllustrID {lng} NOT NULL PRIMARY KEY,
    strName {str},
    strIllustration {str}
);

CREATE TABLE tblDateLoc (
    lngDateLocID {lng} NOT NULL PRIMARY KEY,
    lngSermonID {lng} NOT NULL DEFAULT 0
        REFERENCES tblSermons (lngSermonID) ON DELETE CASCADE,
    dtDatePreached {dt},
    strLocation {str}
);
CREATE INDEX DateLocSermon ON tblDateLoc (lngSermonID);

CREATE TABLE tblSermonTopics (
    lngSermonID {lng} NOT NULL
        REFERENCES tblSermons (lngSermonID) ON DELETE CASCADE,
    lngTopicID {lng} NOT NULL
        REFERENCES tblTopics (lngTopicID) ON DELETE CASCADE
);
-- The pair key of the sermon-topic links; the checklist looks pairs up through it.
CREATE UNIQUE INDEX SermonTopic ON tblSermonTopics (lngSermonID, lngTopicID);
CREATE INDEX SermonTopicByTopic ON tblSermonTopics (lngTopicID);

CREATE TABLE tblIllustrTopics (
    lngIllustrID {lng} NOT NULL
        REFERENCES tblIllustr (lngIllustrID) ON DELETE CASCADE,
    lngTopicID {lng} NOT NULL
        REFERENCES tblTopics (lngTopicID) ON DELETE CASCADE,
    PRIMARY KEY (lngIllustrID, lngTopicID)
);
CREATE INDEX IllustrTopicByTopic ON tblIllustrTopics (lngTopicID);

CREATE TABLE tblSermonIllustr (
    lngSermonID {lng} NOT NULL
        REFERENCES tblSermons (lngSermonID) ON DELETE CASCADE,
    lngIllustrID {lng} NOT NULL
        REFERENCES tblIllustr (lngIllustrID) ON DELETE CASCADE,
    PRIMARY KEY (lngSermonID, lngIllustrID)
);
CREATE INDEX SermonIllustrByIllustr ON tblSermonIllustr (lngIllustrID);

-- The last import of outline files, kept in the library itself so that any copy of the
-- program can undo it: the batch, and each sermon it added with a digest of the row as
-- written (a sermon whose row no longer matches was changed since, and is kept). A library
-- made before these tables works without them; an import into it cannot be undone.
CREATE TABLE tblImportBatches (
    lngImportBatchID {lng} NOT NULL PRIMARY KEY,
    dtImported {dt},
    strSource {str},
    strUserName {str}
);

CREATE TABLE tblImportSermons (
    lngImportBatchID {lng} NOT NULL
        REFERENCES tblImportBatches (lngImportBatchID) ON DELETE CASCADE,
    lngSermonID {lng} NOT NULL
        REFERENCES tblSermons (lngSermonID) ON DELETE CASCADE,
    strRowDigest {str},
    PRIMARY KEY (lngImportBatchID, lngSermonID)
);

-- A sermon's recordings: audio or video files on this computer (copied into a published
-- site) or web addresses (linked), with what was read from each file when it was added: its
-- type, length and size. A file moved away keeps its row and is named as missing. The
-- website's and podcast's choices live beside them, in the library, so the office's program
-- and a weekly `lectorum-mkdb --publish` on the server publish alike. A library made before
-- these tables works without them: its sermons have no recordings.
CREATE TABLE tblRecordings (
    lngRecordingID {lng} NOT NULL PRIMARY KEY,
    lngSermonID {lng} NOT NULL DEFAULT 0
        REFERENCES tblSermons (lngSermonID) ON DELETE CASCADE,
    strSource {str},
    strMimeType {str},
    lngMilliseconds {lng} NOT NULL DEFAULT 0,
    lngKilobytes {lng} NOT NULL DEFAULT 0
);
CREATE INDEX RecordingSermon ON tblRecordings (lngSermonID);

CREATE TABLE tblPublishSettings (
    strSetting {str} NOT NULL PRIMARY KEY,
    strValue {str}
);
