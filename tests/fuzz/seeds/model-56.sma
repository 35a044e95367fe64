
5
0, x
8, 
12.5, x
19, 
28, span
2
1, 1, 0, "quoted, with comma"
5, 1, 0, span
1
2E8, 
1
8.5E-6, span

4
2, 1, 1, 1, "quoted, with comma"
2, 3, 1, 1, span
4, 3, 1, 1, span
4, 5, 1, 1, 

0
0
