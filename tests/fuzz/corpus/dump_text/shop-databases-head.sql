/*M!999999\- enable the sandbox mode */ 
-- MariaDB dump 10.19  Distrib 10.11.19-MariaDB, for debian-linux-gnu (x86_64)
--
-- Host: localhost    Database: shop
-- ------------------------------------------------------
-- Server version	10.11.19-MariaDB-0+deb12u1-log

/*!40101 SET @OLD_CHARACTER_SET_CLIENT=@@CHARACTER_SET_CLIENT */;
/*!40101 SET @OLD_CHARACTER_SET_RESULTS=@@CHARACTER_SET_RESULTS */;
/*!40101 SET @OLD_COLLATION_CONNECTION=@@COLLATION_CONNECTION */;
/*!40101 SET NAMES utf8mb4 */;
/*!40103 SET @OLD_TIME_ZONE=@@TIME_ZONE */;
/*!40103 SET TIME_ZONE='+00:00' */;
/*!40014 SET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0 */;
/*!40014 SET @OLD_FOREIGN_KEY_CHECKS=@@FOREIGN_KEY_CHECKS, FOREIGN_KEY_CHECKS=0 */;
/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE, SQL_MODE='NO_AUTO_VALUE_ON_ZERO' */;
/*!40111 SET @OLD_SQL_NOTES=@@SQL_NOTES, SQL_NOTES=0 */;

--
-- Current Database: `shop`
--

CREATE DATABASE /*!32312 IF NOT EXISTS*/ `shop` /*!40100 DEFAULT CHARACTER SET latin1 COLLATE latin1_swedish_ci */;

USE `shop`;

--
-- Table structure for table `audit_log`
--

DROP TABLE IF EXISTS `audit_log`;
/*!40101 SET @saved_cs_client     = @@character_set_client */;
/*!40101 SET character_set_client = utf8mb4 */;
CREATE TABLE `audit_log` (
  `id` bigint(20) unsigned NOT NULL AUTO_INCREMENT,
  `happened_at` datetime(6) NOT NULL,
  `message` varchar(255) NOT NULL,
  `payload` blob DEFAULT NULL,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
/*!40101 SET character_set_client = @saved_cs_client */;

--
-- Dumping data for table `audit_log`
--

LOCK TABLES `audit_log` WRITE;
/*!40000 ALTER TABLE `audit_log` DISABLE KEYS */;
/*!40000 ALTER TABLE `audit_log` ENABLE KEYS */;
UNLOCK TABLES;

--
-- Table structure for table `customers`
--

DROP TABLE IF EXISTS `customers`;
/*!40101 SET @saved_cs_client     = @@character_set_client */;
/*!40101 SET character_set_client = utf8mb4 */;
CREATE TABLE `customers` (
  `id` int(10) unsigned NOT NULL AUTO_INCREMENT,
  `name` varchar(100) NOT NULL,
  `email` varchar(190) NOT NULL,
  `city` varchar(64) DEFAULT NULL,
  `note` text DEFAULT NULL,
  `created_at` datetime NOT NULL,
  PRIMARY KEY (`id`),
  UNIQUE KEY `uq_customers_email` (`email`)
) ENGINE=InnoDB AUTO_INCREMENT=51 DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
/*!40101 SET character_set_client = @saved_cs_client */;

--
-- Dumping data for table `customers`
--

LOCK TABLES `customers` WRITE;
/*!40000 ALTER TABLE `customers` DISABLE KEYS */;
INSERT INTO `customers` VALUES
(1,'Björn Smith','customer1@example.test','Zürich','says \"hi\"; path C:\\shop\\1','2023-01-02 21:00:00'),
(2,'Chloé Nørgaard','customer2@example.test',NULL,'line one\nline two (2)','2023-01-04 10:00:00'),
(3,'Dmitri Tanaka','customer3@example.test','東京','it\'s customer #3','2023-01-05 23:00:00'),
(4,'Eilís García','customer4@example.test','São Paulo','','2023-01-07 12:00:00'),
(5,'Farah Kowalski','customer5@example.test','Oslo',NULL,'2023-01-09 01:00:00'),
(6,'Gustav Müller','customer6@example.test','Berlin','says \"hi\"; path C:\\shop\\6','2023-01-10 14:00:00'),
(7,'Hana O\'Brien','customer7@example.test','Zürich','line one\nline two (7)','2023-01-12 03:00:00'),
(8,'Ivo Smith','customer8@example.test',NULL,'it\'s customer #8','2023-01-13 16:00:00'),
(9,'Jürgen Nørgaard','customer9@example.test','東京','','2023-01-15 05:00:00'),
(10,'Anna Tanaka','customer10@example.test','São Paulo',NULL,'2023-01-16 18:00:00'),
(11,'Björn García','customer11@example.test','Oslo','says \"hi\"; path C:\\shop\\11','2023-01-18 07:00:00'),
(12,'Chloé Kowalski','customer12@example.test','Berlin','line one\nline two (12)','2023-01-19 20:00:00'),
(13,'Dmitri Müller','customer13@example.test','Zürich','it\'s customer #13','2023-01-21 09:00:00'),
(14,'Eilís O\'Brien','customer14@example.test',NULL,'','2023-01-22 22:00:00'),
(15,'Farah Smith','customer15@example.test','東京',NULL,'2023-01-24 11:00:00'),
(16,'Gustav Nørgaard','customer16@example.test','São Paulo','says \"hi\"; path C:\\shop\\16','2023-01-26 00:00:00'),
(17,'Hana Tanaka','customer17@example.test','Oslo','line one\nline two (17)','2023-01-27 13:00:00'),
(18,'Ivo García','customer18@example.test','Berlin','it\'s customer #18','2023-01-29 02:00:00'),
(19,'Jürgen Kowalski','customer19@example.test','Zürich','','2023-01-30 15:00:00'),
(20,'Anna Müller','customer20@example.test',NULL,NULL,'2023-02-01 04:00:00'),
(21,'Björn O\'Brien','customer21@example.test','東京','says \"hi\"; path C:\\shop\\21','2023-02-02 17:00:00'),
(22,'Chloé Smith','customer22@example.test','São Paulo','line one\nline two (22)','2023-02-04 06:00:00'),
(23,'Dmitri Nørgaard','customer23@example.test','Oslo','it\'s customer #23','2023-02-05 19:00:00'),
(24,'Eilís Tanaka','customer24@example.test','Berlin','','2023-02-07 08:00:00'),
(25,'Farah García','customer25@example.test','Zürich',NULL,'2023-02-08 21:00:00'),
(26,'Gustav Kowalski','customer26@example.test',NULL,'says \"hi\"; path C:\\shop\\26','2023-02-10 10:00:00'),
(27,'Hana Müller','customer27@example.test','東京','line one\nline two (27)','2023-02-11 23:00:00'),
(28,'Ivo O\'Brien','customer28@example.test','São Paulo','it\'s customer #28','2023-02-13 12:00:00'),
(29,'Jürgen Smith','customer29@example.test','Oslo','','2023-02-15 01:00:00'),
(30,'Anna Nørgaard','customer30@example.test','Berlin',NULL,'2023-02-16 14:00:00'),
(31,'Björn Tanaka','customer31@example.test','Zürich','says \"hi\"; path C:\\shop\\31','2023-02-18 03:00:00'),
(32,'Chloé García','customer32@example.test',NULL,'line one\nline two (32)','2023-02-19 16:00:00'),
(33,'Dmitri Kowalski','customer33@example.test','東京','it\'s customer #33','2023-02-21 05:00:00'),
(34,'Eilís Müller','customer34@example.test','São Paulo','','2023-02-22 18:00:00'),
(35,'Farah O\'Brien','customer35@example.test','Oslo',NULL,'2023-02-24 07:00:00'),
(36,'Gustav Smith','customer36@example.test','Berlin','says \"hi\"; path C:\\shop\\36','