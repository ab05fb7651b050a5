#pragma once
// The open word list: a fixed table of up to 300 word pairs, the list's
// information and the identity of the file it belongs to, with the file
// operations behind New, Open, Save and Save as.
//
// Words and list information are UTF-8 (std::string), in any script; the
// list file readers and writers convert them to what each file holds. File
// identity (path, name, type) is a QString.
#include <array>
#include <string>
#include <vector>

#include <QString>

#include "CsvFile.h"
#include "ListFileIo.h"

class CPlatform;

// What a change of the words did.
enum class [[nodiscard]] WordResult{
    Done,
    ListFull,  // no free slot: the list holds kMaxWords words
    BadIndex,
};

// What a file operation did.
enum class [[nodiscard]] FileResult{
    Done,
    Cancelled,  // the user stopped it (a question or file dialog); nothing changed
    Failed,     // the file could not be read (the user has been told) or written
};

struct WordSlot {
  std::string m_foreign;
  std::string m_translation;
  int m_used = 0;
  int m_number = 0;
  int m_mark = 0;
};

class CWordList {
 public:
  static constexpr int kMaxWords = 300;
  static constexpr int kSlotCount = 301;
  using SlotTable = std::array<WordSlot, kSlotCount>;

  // platform may be null: then every question is answered as if the user
  // had cancelled it and nothing is shown (used for short-lived lists that
  // never ask anything).
  explicit CWordList(CPlatform* platform = nullptr);

  void SetPlatform(CPlatform* platform) { m_platform = platform; }
  CPlatform* Platform() const { return m_platform; }

  // Asked before a CSV file is read into this list (the program shows its
  // preview); without one a CSV file is read as its first rows suggest. When
  // it declines, OpenFile and OpenWithDialog are cancelled and nothing changes.
  void SetCsvQuestion(CsvQuestion question) { m_csvQuestion = std::move(question); }

  // --- words -------------------------------------------------------------
  WordResult AddWord(const std::string& foreign, const std::string& translation, int mark = 0);
  WordResult SetWord(int index, const std::string& foreign, const std::string& translation,
                     int mark);
  int GetCount() const;
  std::string GetForeign(int index) const;
  std::string GetTranslation(int index) const;
  int GetNumber(int index) const;
  int GetMark(int index) const;
  WordResult DeleteWord(int index);
  // The index of the first word from start on with that text, or -1.
  int FindForeign(int start, const std::string& text) const;
  int FindTranslation(int start, const std::string& text) const;
  void ClearWords();
  void SortLike(const std::vector<std::string>& foreignWords);
  const SlotTable& GetSlotTable() const { return m_slots; }
  // Random order of the words for an exercise; marks the list modified.
  void Shuffle();
  // The same order again for the same seed.
  void Shuffle(unsigned seed);

  // --- list information ---------------------------------------------------
  const std::string& GetFirstLanguage() const { return m_firstLanguage; }
  const std::string& GetSecondLanguage() const { return m_secondLanguage; }
  const std::string& GetTitle() const { return m_title; }
  const std::string& GetDescription() const { return m_description; }
  const std::string& GetOwner() const { return m_owner; }
  const std::string& GetCreator() const { return m_creator; }
  // Words, language names, title and owner are one line each in every list
  // file: a line break given to them is stored as a space.
  void SetFirstLanguage(const std::string& s) { m_firstLanguage = OneLine(s); }
  void SetSecondLanguage(const std::string& s) { m_secondLanguage = OneLine(s); }
  void SetTitle(const std::string& s) { m_title = OneLine(s); }
  void SetDescription(const std::string& s) { m_description = s; }
  void SetOwner(const std::string& s) { m_owner = OneLine(s); }

  // text with every line break (CR LF, a lone CR or LF) made one space.
  static std::string OneLine(std::string text);

  const QString& GetExtension() const { return m_extension; }
  const QString& GetPath() const { return m_path; }
  const QString& GetFileName() const { return m_fileName; }
  // The file name, or the untitled name while the list has no own file.
  QString GetDisplayName() const;
  bool IsUntitled() const { return m_untitled; }
  void SetModified(bool modified) { m_modified = modified; }
  bool IsModified() const { return m_modified; }

  // --- file operations -----------------------------------------------------
  // True when the list may be dropped or replaced: unchanged, or the user
  // saved it or let it go. A save that only exported the list (Save as to an
  // export type) has not saved it: that keeps it.
  [[nodiscard]] bool QueryClose();
  void NewList();  // may be stopped at the save question
  FileResult OpenFile(const QString& path);
  FileResult OpenWithDialog();
  FileResult Save();
  // Asks for the file and type; with write false only takes them as the
  // list's own (a plain Save then writes).
  FileResult SaveAs(bool write);
  FileResult Write();

  // Save as without the dialog: writes the list to path in type ("VK2",
  // "VK1", "HTML", "ORD", "TXT", "SKV", "SCV", "CSV"; anything else is written as
  // version 2). An export leaves the list with its own file, as Save as does.
  FileResult SaveTo(const QString& path, const QString& type);

  // Replaces the words and information by data read as a file of type (upper
  // case), as Open reads a file; messages name the list's path.
  ReadResult ReadBytes(const QString& type, std::string data);

  // The file type of a Save as filter entry, counted from 1.
  static QString TypeOfFilterEntry(int filterIndex);

  // The owner a new list starts with.
  static std::string DefaultOwner();

 private:
  int AskSaveChanges();  // kIdYes, kIdNo or kIdCancel
  // Reads the file at path as type; the list takes it over when it was read,
  // with title as its title unless the file has its own.
  FileResult ReadFile(const QString& path, const QString& fileName, const QString& type,
                      const std::string& title);
  void TakeOver(ListFileContent content);
  // Steps of Save as after the dialog: the chosen file and its type.
  void TakeTarget(const QString& path, const QString& fileName, const QString& type);

  CPlatform* m_platform = nullptr;
  CsvQuestion m_csvQuestion;
  std::string m_secondLanguage;
  std::string m_firstLanguage;
  bool m_modified = false;
  std::string m_description;
  std::string m_owner;
  std::string m_creator;
  std::string m_title;
  bool m_untitled = true;
  QString m_fileName;
  QString m_path;
  QString m_extension;
  QString m_savedFileName;
  QString m_savedPath;
  QString m_savedExtension;
  SlotTable m_slots;
};
